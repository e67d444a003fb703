#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The installed game end to end: the package unpacked into a temporary root, HOME and
# XDG_DATA_HOME in temporary folders, the launcher started from an unrelated folder under Xvfb.
# The window opens with its cards (found in "gfx" beside the game), "leads.dat" appears in the
# per-user data folder and nowhere else, and F10 ends the game and saves the settings. A second
# run without XDG_DATA_HOME uses ~/.local/share/tavro-memory. The card maker, run through its
# link on the PATH, knows the sets beside the game and writes the player's own set.
# Usage: package_installed_e2e.sh <build folder>
set -euo pipefail
here=$(dirname "$(realpath "$0")")
# shellcheck source=tests/e2e/xvfb.sh
source "$here/xvfb.sh"
# shellcheck source=tests/package/unpack.sh
source "$here/../package/unpack.sh"

find_package "$1"  # skips before Xvfb is started when there is no package
start_session
unpack_package "$1"
launcher=$root/usr/games/tavro-memory
desktop=$(grep -lx 'Exec=tavro-memory' "$root"/usr/share/applications/*.desktop)
mkdir -p "$work/elsewhere" "$work/data"
export XDG_DATA_HOME=$work/data

# Runs the launcher from the unrelated folder until the main window shows, then presses F10.
play_and_exit() {
    start_program "$launcher" "$work/elsewhere" "$work/program.log"
    wait_for_main_window || { cat "$work/program.log" >&2; fail "the main window did not appear"; }
    [ "$WIDTH" -eq 500 ] || fail "window width $WIDTH, expected 500"
    # On X11 docks and task bars group the window with the desktop entry by its class.
    class=$(xprop -id "$window" WM_CLASS | sed -n 's/.*", "\(.*\)"$/\1/p')
    grep -qx "StartupWMClass=$class" "$desktop" ||
        fail "the window's class \"$class\" is not the desktop entry's StartupWMClass"
    focus_main_window
    xdotool key F10
    wait_for_exit 10 "$app_pid" || fail "F10 did not end the program"
    [ "$exit_status" -eq 0 ] || { cat "$work/program.log" >&2; fail "exit status $exit_status"; }
}

# The only leads.dat anywhere under the temporary folder (root, HOME, data, starting folder).
only_leads_file() {
    local found
    found=$(find "$work" -iname leads.dat)
    [ "$found" = "$1" ] || fail "leads.dat is at \"$found\", expected only $1"
    [ "$(stat -c %s "$1")" -eq 152 ] || fail "$1 is not 152 bytes"
}

play_and_exit
only_leads_file "$work/data/tavro-memory/leads.dat"
settings=$(saved_settings) || fail "F10 saved no settings"
[ "$(setting_value cards "$settings")" = animals ] || fail "settings: cards is not animals"
[ "$(setting_value delay "$settings")" = 500 ] || fail "settings: delay is not 500"
# The game found itself in its private folder, not in the launcher's.
[ "$(setting_value path "$settings")" = "$(realpath "$root")/usr/lib/games/tavro-memory/" ] ||
    fail "settings: path \"$(setting_value path "$settings")\" is not the game's folder"

rm "$work/data/tavro-memory/leads.dat"
unset XDG_DATA_HOME
play_and_exit
only_leads_file "$HOME/.local/share/tavro-memory/leads.dat"
[ -z "$(ls -A "$work/elsewhere")" ] || fail "files were left in the starting folder"

maker=$root/usr/games/tavro-memory-cards
mkdir -p "$work/pictures"
# Colours far apart: the maker refuses pictures that look alike.
for n in $(seq 1 18); do
    colour=$(printf '#%02X%02X%02X' $(((n * 97) % 256)) $(((n * 57 + 80) % 256)) $(((n * 151 + 30) % 256)))
    convert -size 30x30 "xc:$colour" "$work/pictures/$n.png"
done
if LANGUAGE=en "$maker" --name animals "$work"/pictures/{1..18}.png 2>"$work/maker.err"; then
    fail "the installed maker took the name of a set that comes with the game"
fi
grep -q "comes with the game" "$work/maker.err" || fail "the maker said: $(cat "$work/maker.err")"
made=$(XDG_DATA_HOME=$work/data "$maker" --name Mine "$work"/pictures/{1..18}.png) ||
    fail "the installed maker did not make a set"
[ "$made" = "$work/data/tavro-memory/gfx/Mine/" ] || fail "the maker reported $made"
[ -s "$made/set.desktop" ] || fail "the made set has no set.desktop"
echo "installed e2e: the launcher ran the game in the per-user folder; F10 saved the settings;" \
    "the card maker made a set there"
