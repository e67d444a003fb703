#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# End-to-end run of the real program under Xvfb at a card size of 200 %: the window is twice the
# designed board (1000 x 1010 below the menu bar) on a 1920 x 1080 screen, and a whole game is
# played by clicks on the tiles' centres, each picture read at its doubled size. The name entry
# that the score brings ends the run.
# Usage: card_size_e2e.sh <path of TavroMemory>
set -euo pipefail
program=$(realpath "$1")
here=$(dirname "$(realpath "$0")")
# shellcheck source=tests/e2e/xvfb.sh
source "$here/xvfb.sh"
# shellcheck source=tests/e2e/play_modes.sh
source "$here/play_modes.sh"

XVFB_SCREEN=1920x1080x24 start_session
write_settings animals 1000
add_play_settings cardsize=200
board_percent=200
run_game "$program"
[ "$WIDTH" -eq 1000 ] || fail "window width $WIDTH, expected 1000"
if [ "$menu_height" -le 0 ] || [ "$menu_height" -ge 100 ]; then
    fail "window height $HEIGHT: the board is not 1010 pixels high"
fi
[ $((Y + HEIGHT)) -le 1080 ] || fail "the window runs past the screen's bottom"

# shellcheck source=tests/e2e/board_play.sh
source "$here/board_play.sh"
play_whole_game_by_clicks
focus_name_entry "200 %"
echo "e2e: a whole game at 200 % in a window of $WIDTH x $HEIGHT, $mismatches mismatches"
