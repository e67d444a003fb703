#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# End-to-end run of a card set of the player's own under Xvfb: the card maker's command line
# makes a set from 18 generated pictures and a picture card back in the player's data folder,
# the game is started, the set is picked in Options with the keyboard, and a whole game is
# played with it to the name entry and the Leads table. Skips (exit 77) when the game's Options
# do not list the player's own sets.
# Usage: cardmaker_e2e.sh <path of TavroMemory> <path of tavro-memory-cards>
set -euo pipefail
program=$(realpath "$1")
maker=$(realpath "$2")
here=$(dirname "$(realpath "$0")")
# shellcheck source=tests/e2e/xvfb.sh
source "$here/xvfb.sh"

start_session
set_name="My Family"
back_colour='#C814B4'

# --- the set, made by the maker's command line ---------------------------------------------
mkdir -p "$work/pictures"
for n in $(seq 1 18); do
    # Colours far apart, so that no two faces look alike to the screenshots.
    colour=$(printf '#%02X%02X%02X' $(((n * 97) % 256)) $(((n * 57 + 80) % 256)) $(((n * 151 + 30) % 256)))
    convert -size 90x60 "xc:$colour" "$work/pictures/picture$n.png"
done
convert -size 60x60 "xc:$back_colour" "$work/pictures/back.png"
made=$(env -u DISPLAY "$maker" --name "$set_name" --back "$work/pictures/back.png" \
    "$work"/pictures/picture{1..18}.png) || fail "the maker did not make the set"
set_folder="$XDG_DATA_HOME/tavro-memory/gfx/$set_name/"
[ "$made" = "$set_folder" ] || fail "the maker reported $made instead of $set_folder"
if [ ! -s "$set_folder/space.bmp" ] || [ ! -s "$set_folder/18.bmp" ]; then
    fail "the set is incomplete"
fi

# --- the game, with the set picked in Options ----------------------------------------------
# A long delay keeps a mismatched pair on screen while the screenshot reads it.
write_settings animals 1500
run_game "$program"
focus_main_window

options_dialog() { xdotool search --onlyvisible --name '^Options$' | head -n1 | grep .; }
xdotool key --clearmodifiers alt+o
wait_for 10 options_dialog || fail "Alt+O did not open the Options dialog"
sleep 0.5
# The list has the focus: Home, then Down until the caption names the set or the list ends.
xdotool key Home
sleep 0.2
found=false previous=""
for _ in $(seq 1 40); do
    caption=$(xdotool getwindowname "$window")
    if [ "$caption" = "Tavro Memory: $set_name" ]; then
        found=true
        break
    fi
    [ "$caption" = "$previous" ] && break  # the end of the list
    previous=$caption
    xdotool key Down
    sleep 0.2
done
if ! $found; then
    echo "SKIP: the game's Options do not list the player's own set \"$set_name\" in" \
        "$XDG_DATA_HOME/tavro-memory/gfx (this game reads only the sets beside it)"
    exit 77
fi
xdotool key Escape
wait_for 10 sh -c '! xdotool search --onlyvisible --name "^Options\$" | grep -q .' ||
    fail "Escape did not close the Options dialog"
sleep 0.5
# The new deal shows the set's own card back, the picture's colour, on every card.
[ "$(count_colour "$back_colour")" -ge $((36 * 40 * 40)) ] ||
    fail "the new deal does not show the set's card back"

# --- a whole game with the set --------------------------------------------------------------
# shellcheck source=tests/e2e/board_play.sh
source "$here/board_play.sh"
play_whole_game_by_clicks
distinct=$(printf '%s\n' "${seen[@]}" | sort -u | wc -l)
[ "$distinct" -eq 18 ] || fail "the cards showed $distinct different faces instead of 18"

# The score beats the default table: the name entry, then the Leads table.
focus_name_entry
xdotool type --delay 50 "Maker"
xdotool key Return
leads_window() { xdotool search --onlyvisible --name '^Leads$' | head -n 1 | grep .; }
wait_for 10 leads_window || fail "no Leads dialog after the name was entered"
xdotool windowfocus "$(leads_window)"
sleep 0.3
xdotool key Escape
wait_for 10 sh -c '! xdotool search --onlyvisible --name "^Leads\$" | grep -q .' ||
    fail "the Leads dialog did not close"
focus_main_window
xdotool key F10
wait_for_exit 10 "$app_pid" || fail "F10 did not end the program"
[ "$exit_status" -eq 0 ] || fail "the program ended with code $exit_status"
echo "e2e: a whole game with the made set \"$set_name\", $mismatches mismatches"
