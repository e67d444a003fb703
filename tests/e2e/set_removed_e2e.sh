#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# End-to-end run of a card set removed while it is in play, with the real program under Xvfb:
# a game of two with the player's own set "Family" (made by the card maker) is under way when
# the maker's command line removes the set; New (F2) then says so once, deals the program's set
# in its place, and the game goes on; Exit saves every setting (the delay, who plays, the names)
# with the set dealt instead, and the program ends with status 0.
# Usage: set_removed_e2e.sh <path of TavroMemory> <path of tavro-memory-cards>
set -euo pipefail
program=$(realpath "$1")
maker=$(realpath "$2")
here=$(dirname "$(realpath "$0")")
# shellcheck source=tests/e2e/xvfb.sh
source "$here/xvfb.sh"
# shellcheck source=tests/e2e/play_modes.sh
source "$here/play_modes.sh"

start_session
family_back='#C814B4'
mkdir -p "$work/pictures"
for n in $(seq 1 18); do
    colour=$(printf '#%02X%02X%02X' $(((n * 97) % 256)) $(((n * 57 + 80) % 256)) $(((n * 151 + 30) % 256)))
    convert -size 60x60 "xc:$colour" "$work/pictures/picture$n.png"
done
convert -size 60x60 "xc:$family_back" "$work/pictures/back.png"
env -u DISPLAY "$maker" --name Family --back "$work/pictures/back.png" \
    "$work"/pictures/picture{1..18}.png >/dev/null || fail "the maker did not make the set"

write_settings Family 850
add_play_settings players=two player1=Anna player2=Ben
run_game "$program"
[ "$(xdotool getwindowname "$window")" = "Tavro Memory: Family" ] ||
    fail "the game did not start with Family: $(xdotool getwindowname "$window")"
focus_main_window
click_tile 1
sleep 0.5

# --- the set in play removed, then New ----------------------------------------------------------
env -u DISPLAY "$maker" --remove Family >/dev/null || fail "the maker did not remove the set"
[ ! -e "$XDG_DATA_HOME/tavro-memory/gfx/Family" ] || fail "the set is still there"
xdotool key F2
wait_for 15 end_message_window || fail "no notice after New without the set in play"
notice=$(end_message_window)
eval "$(xdotool getwindowgeometry --shell "$notice" | sed 's/^/NOTICE_/')"
xdotool mousemove --sync $((NOTICE_X + 80)) $((NOTICE_Y + 17)) click --repeat 3 --delay 80 1
sleep 0.3
text=$(timeout 5 xclip -o -selection primary -t UTF8_STRING) || text=""
case $text in
    "The card set Family can't be used"*) ;;
    *) fail "the notice says \"$text\"" ;;
esac
xdotool windowfocus --sync "$notice"
xdotool key Return
wait_for 10 end_message_window_gone || fail "the notice did not close"
wait_for 10 sh -c "xdotool getwindowname $window | grep -qx 'Tavro Memory: animals'" ||
    fail "the caption does not name the set dealt instead: $(xdotool getwindowname "$window")"
no_family_back() { [ "$(count_colour "$family_back")" -eq 0 ]; }
wait_for 10 no_family_back || fail "Family's card back is still on the board"

# --- the game goes on -----------------------------------------------------------------------
focus_main_window
before=$(screen_tile_digest 7)
click_tile 7
turned() { [ "$(screen_tile_digest 7)" != "$before" ]; }
wait_for 5 turned || fail "a card of the new deal did not turn"
xdotool key F10
wait_for_exit 15 "$app_pid" || fail "F10 did not end the program"
[ "$exit_status" -eq 0 ] || { cat "$work/program.log" >&2; fail "the program ended with status $exit_status"; }

# Saved per machine where that file can be written (as root), and otherwise per user.
saved=$(grep -l 'cards=' "$XDG_CONFIG_DIRS/Tavro/Tavro Memory.ini" \
    "$XDG_CONFIG_HOME/Tavro/Tavro Memory.ini" 2>/dev/null | head -n 1) ||
    fail "no settings file was written"
for expected in cards=animals delay=850 players=two player1=Anna player2=Ben; do
    [ "$(setting_value "${expected%%=*}" "$saved")" = "${expected#*=}" ] ||
        fail "saved ${expected%%=*} is '$(setting_value "${expected%%=*}" "$saved")', expected ${expected#*=}"
done
echo "PASS: the removed set was passed over, the game went on and every setting was kept"
