#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# A sound server that accepts connections and never answers (a listener of the test's own on a
# free loopback port): a player turns the sounds on and turns cards, and the window keeps
# answering, each card turning within seconds, not after the sound server's 30 s; one notice says
# that the sounds are off for this run, and turning them off and on again brings no second one.
# F10 then ends the program within a few seconds, with status 0, and the sounds' choice is kept
# for the next run.
# Usage: sounds_unanswered_e2e.sh <path of TavroMemory>
set -euo pipefail
here=$(dirname "$(realpath "$0")")
program=$(realpath "$1")
# shellcheck source=tests/e2e/xvfb.sh
source "$here/xvfb.sh"

start_session
# A sound server that accepts every connection and never answers, for at most 120 s.
start_silent_sound_server 120

# Tile $1 shows something else than its face-down picture $2.
turned() { [ "$(screen_tile_digest "$1")" != "$2" ]; }
# The notices on the screen (the only other program on this display is the test).
notices() {
    xdotool search --onlyvisible --name '^Tavro Memory$' 2>/dev/null | wc -l
}
noticed() { [ "$(notices)" -ge 1 ]; }
sounds_item() { xdotool key --delay 100 alt+p u; }

write_settings animals 2000
run_game "$program"
focus_main_window
face_down=$(screen_tile_digest 1)
sounds_item
# Each within 8 s, while the sound server keeps the sounds' set-up waiting for 30 s.
click_tile 1
wait_for 8 turned 1 "$face_down" || fail "the first card did not turn while the sounds set up"
click_tile 2
wait_for 8 turned 2 "$face_down" || fail "the second card did not turn while the sounds set up"

wait_for 20 noticed || fail "no notice that the sound system does not answer"
# Off and on again, and more cards: the notice stays the only one.
focus_main_window
sounds_item
sounds_item
sleep 4
click_tile 5
wait_for 8 turned 5 "$face_down" || fail "a card did not turn after the notice"
[ "$(notices)" -eq 1 ] || fail "$(notices) notices that the sound system does not answer"
echo "sounds_unanswered: the cards turned at once and one notice appeared"

focus_main_window
xdotool key F10
wait_for_exit 8 "$app_pid" || fail "F10 did not end the program within 8 s"
[ "$exit_status" -eq 0 ] || fail "the program ended with status $exit_status"
# Kept per machine where that file can be written (as root), per user otherwise.
cat "$XDG_CONFIG_HOME/Tavro/Tavro Memory.ini" "$XDG_CONFIG_DIRS/Tavro/Tavro Memory.ini" \
    2>/dev/null | grep -q '\\sounds=on$' || fail "the sounds' choice was not kept"
grep -q 'sound server did not answer' "$work/program.log" ||
    fail "the log does not say why the sounds are off: $(cat "$work/program.log")"
echo "sounds_unanswered: F10 ended the program with status 0 and the sounds' choice kept"
