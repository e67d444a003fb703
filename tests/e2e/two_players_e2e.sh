#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# End-to-end run of a whole game of two players at one screen, then of one player, with the real
# program under Xvfb. Anna and Ben take turns by clicks (a match keeps the turn, a mismatch passes
# it, and the bottom line marks whose turn it is); the end's message names the winner with both
# scores, and leads.dat stays as it was. Then "&One player" from the Play menu deals a game of one,
# whose score goes through the name entry into leads.dat byte for byte as it always did.
# Usage: two_players_e2e.sh <path of TavroMemory>
set -euo pipefail
program=$(realpath "$1")
here=$(dirname "$(realpath "$0")")
# shellcheck source=tests/e2e/xvfb.sh
source "$here/xvfb.sh"
# shellcheck source=tests/e2e/play_modes.sh
source "$here/play_modes.sh"

start_session
# Long enough for the screen to be read before a mismatched pair turns back, also on a busy
# machine.
write_settings animals 1000
add_play_settings players=two player1=Anna player2=Ben
run_game "$program"
leads="$work/play/leads.dat"
cp "$leads" "$work/leads.before"

wait_for 5 marks_turn_of 1 || fail "the bottom line does not mark Anna's turn at the start"
points=(0 0)
player=0
passes_checked=0
# Each pair scores for the player whose turn it is; a mismatch passes the turn, which the bottom
# line shows (checked for the first two passes).
pair_played() {
    if [ "$3" = match ]; then
        points[player]=$((points[player] + 100))
        return
    fi
    points[player]=$((points[player] - 10))
    player=$((1 - player))
    if [ "$passes_checked" -lt 2 ]; then
        passes_checked=$((passes_checked + 1))
        wait_for 5 marks_turn_of $((player + 1)) ||
            fail "the bottom line does not mark player $((player + 1))'s turn after a mismatch"
    fi
}
# shellcheck source=tests/e2e/board_play.sh
source "$here/board_play.sh"
play_by_quick_clicks
play_whole_game
expect_end_message "$(end_text "${points[0]}" "${points[1]}" Anna Ben)"
cmp -s "$leads" "$work/leads.before" || fail "a game of two changed leads.dat"
echo "e2e: Anna ${points[0]}, Ben ${points[1]}"

# One player again, from the Play menu by its keys: a new deal, every card face down.
unset -f pair_played
focus_main_window
xdotool key --delay 150 alt+p o
wait_for_tile 1 back
[ "$(marker_pixels 1)" -eq 0 ] || fail "the players' line is still shown in a game of one"
import -window root "$shot"
for tile in $(seq 1 36); do
    [ "$(tile_digest "$shot" "$tile")" = "$card_back" ] || fail "tile $tile is not face down"
done
seen=()
matched=()
mismatches=0
play_whole_game
score=$((18 * 100 - 10 * mismatches))
focus_name_entry "one player"
xdotool type --delay 50 "Tester"
xdotool key Return
leads_window() { xdotool search --onlyvisible --name '^Leads$' | head -n 1 | grep .; }
wait_for 10 leads_window || fail "no Leads dialog after the name was entered"
xdotool windowfocus "$(leads_window)"
sleep 0.3
xdotool key Escape
dialogs_closed() { ! leads_window && ! name_window; }
wait_for 10 dialogs_closed || fail "the dialogs did not close"

# The table as the game of one has always written it: "Tester" and the score inserted at their
# place, the places below moved down, each name slot padded with zero bytes.
/usr/bin/python3 - "$work/leads.before" "$work/leads.expected" "$score" <<'PYTHON'
import struct
import sys

table = open(sys.argv[1], "rb").read()
score = int(sys.argv[3])
names = [table[11 * i:11 * i + 11] for i in range(10)]
names = [bytes([min(n[0], 10)]) + n[1:1 + min(n[0], 10)].ljust(10, b"\0") for n in names]
points = list(struct.unpack("<10i", table[112:152]))
place = next(i for i, p in enumerate(points) if p < score)
names.insert(place, bytes([6]) + b"Tester".ljust(10, b"\0"))
points.insert(place, score)
expected = b"".join(names[:10]) + table[110:112] + struct.pack("<10i", *points[:10])
open(sys.argv[2], "wb").write(expected)
PYTHON
cmp "$leads" "$work/leads.expected" || fail "leads.dat differs from what a game of one writes"

focus_main_window
xdotool key F10
wait_for_exit 10 "$app_pid" || fail "F10 did not end the program"
[ "$exit_status" -eq 0 ] || fail "the program ended with code $exit_status"
echo "e2e: then a game of one scored $score and entered \"Tester\" in leads.dat"
