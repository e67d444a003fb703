#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# End-to-end run of the Options dialog in the real program under Xvfb: open it from the menu
# with Alt+O, pick another card set and move the slider with the keyboard, close it with Escape,
# check that the new deal shows the new set's card back, leave with F10, and check that the
# saved "cards" and "delay" are the new values.
#
# Usage: options_e2e.sh <path to TavroMemory>
# The program runs from a copy in a temporary folder, with its own "gfx" sets (solid-colour
# pictures) and with HOME and the XDG folders redirected, so no real settings are touched.
set -euo pipefail

program=${1:?usage: options_e2e.sh <TavroMemory>}
for tool in Xvfb xdotool convert import; do
    if ! command -v "$tool" >/dev/null; then
        echo "SKIP: $tool is not installed"
        exit 77
    fi
done
# shellcheck source=tests/e2e/xvfb.sh
source "$(dirname "$(realpath "$0")")/xvfb.sh"
start_session

# --- the program with three card sets of its own -------------------------------------------
mkdir -p "$work/bin/gfx" "$work/run"
cp "$program" "$work/bin/TavroMemory"

declare -A back_colour=([animals]='#C83214' [forest]='#14A03C' [ocean]='#1E46D2')
for set in animals forest ocean; do
    folder="$work/bin/gfx/$set"
    mkdir -p "$folder"
    convert -size 8x8 "xc:${back_colour[$set]}" "BMP3:$folder/space.bmp"
    convert -size 8x8 'xc:#F0E68C' "BMP3:$folder/1.bmp"
    for face in $(seq 2 18); do
        cp "$folder/1.bmp" "$folder/$face.bmp"
    done
done

# The list shows the sets in the order the file system gives them, which is what ls -U shows.
mapfile -t listed < <(cd "$work/bin/gfx" && ls -U)
# The start-up set is the default "animals"; the target is the list's second entry, or the
# third when the second is "animals" itself (so that the pick changes something).
downs=1
[ "${listed[1]}" = animals ] && downs=2
target=${listed[$downs]}
echo "sets as listed: ${listed[*]}; picking $target"

start_program "$work/bin/TavroMemory" "$work/run" "$work/game.log"
wait_for_main_window || fail "the main window did not appear"
[ "$(xdotool getwindowname "$window")" = "Tavro Memory: animals" ] ||
    fail "unexpected caption $(xdotool getwindowname "$window")"
focus_main_window

board_pixels=$((36 * 50 * 50))  # well below the 36 pictures of 60 x 60
[ "$(count_colour "${back_colour[animals]}")" -ge "$board_pixels" ] ||
    fail "the first deal does not show the animals card back"

# --- the Options dialog ---------------------------------------------------------------------
options_dialog() { xdotool search --onlyvisible --name '^Options$' | head -n1 | grep .; }
xdotool key --clearmodifiers alt+o
wait_for 10 options_dialog || fail "Alt+O did not open the Options dialog"
sleep 0.5

# The list has the focus first: Home selects its first entry, Down moves on.
xdotool key Home
for _ in $(seq "$downs"); do
    xdotool key Down
done
wait_for 5 sh -c "xdotool getwindowname $window | grep -qx 'Tavro Memory: $target'" ||
    fail "the caption did not follow the picked set: $(xdotool getwindowname "$window")"

# Tab to the slider, two steps of 50 ms to the right: 500 -> 600.
xdotool key Tab Right Right
sleep 0.3
xdotool key Escape
wait_for 10 sh -c '! xdotool search --onlyvisible --name "^Options\$" | grep -q .' ||
    fail "Escape did not close the Options dialog"

sleep 0.5
[ "$(count_colour "${back_colour[$target]}")" -ge "$board_pixels" ] ||
    fail "the new deal does not show the $target card back"

# --- leave with F10 and read the saved settings -----------------------------------------------
focus_main_window  # the closed dialog had the focus
xdotool key F10
wait_for_exit 10 "$app_pid" || fail "F10 did not end the program"
[ "$exit_status" -eq 0 ] ||
    { cat "$work/game.log" >&2; fail "the program ended with status $exit_status"; }

saved=$(saved_settings) || fail "no settings file was written"
cards=$(setting_value cards "$saved")
delay=$(setting_value delay "$saved")
[ "$cards" = "$target" ] || fail "saved cards '$cards', expected '$target' ($saved)"
[ "$delay" = 600 ] || fail "saved delay '$delay', expected 600 ($saved)"
echo "PASS: $target and 600 ms were saved"
