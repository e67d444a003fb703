#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# End-to-end run of the record of games and the statistics window with the real program under
# Xvfb: on a record of two weeks of earlier games, the record turned on in the Play menu, a whole
# game is played by clicks and the name
# typed for the Leads; "St&atistics…" (F5) opens the statistics window beside the game, whose
# chart marks the new game as the best; Exit ends the program, and the record holds the game with
# its counts and the name. With a second argument, the window's picture is saved there (the
# README's docs/statistics.png).
# Usage: statistics_e2e.sh <path of TavroMemory> <path of records_sample> [picture]
set -euo pipefail
program=$(realpath "$1")
sample=$(realpath "$2")
picture=${3:+$(realpath -m "$3")}
here=$(dirname "$(realpath "$0")")
# shellcheck source=tests/e2e/xvfb.sh
source "$here/xvfb.sh"

start_session
# The delay keeps a mismatched pair on screen while the screenshot reads it.
write_settings animals 1000
records="$XDG_DATA_HOME/tavro-memory/records.sqlite"
"$sample" "$records" 14 || fail "the earlier games could not be written"
run_game "$program"
# Play > Record games (Alt+P, R): off until the player turns it on.
focus_main_window
xdotool key alt+p
sleep 0.3
xdotool key r
sleep 0.3

# shellcheck source=tests/e2e/board_play.sh
source "$here/board_play.sh"
play_whole_game_by_clicks
score=$((18 * 100 - 10 * mismatches))
focus_name_entry
xdotool type --delay 50 "Tester"
xdotool key Return
leads_window() { xdotool search --onlyvisible --name '^Leads$' | head -n 1 | grep .; }
wait_for 10 leads_window || fail "no Leads dialog after the name was entered"
xdotool windowfocus --sync "$(leads_window)"
sleep 0.3
xdotool key Escape
wait_for 10 eval '! leads_window' || fail "the Leads dialog did not close"

# F5: the statistics window, beside the game (the game's window stays usable).
focus_main_window
xdotool key F5
statistics_window() { xdotool search --onlyvisible --name '^Statistics$' | head -n 1 | grep .; }
wait_for 15 statistics_window || fail "F5 opened no statistics window"
statistics=$(statistics_window)
xdotool windowsize --sync "$statistics" 780 620 2>/dev/null || true
sleep 1
import -window "$statistics" "$work/statistics.png"
# The best game's mark on the chart, in its own orange: the new game is the best of the record.
orange=$(convert "$work/statistics.png" -alpha off -fuzz 12% -fill black +opaque '#E08000' \
    -fill white -opaque '#E08000' -format '%[fx:round(mean*w*h)]' info:)
[ "$orange" -gt 20 ] || fail "the chart marks no best game ($orange orange pixels)"
[ -z "$picture" ] || cp "$work/statistics.png" "$picture"

# The game's window still takes keys while the statistics window is open: F10 ends the program.
focus_main_window
xdotool key F10
wait_for_exit 15 "$app_pid" || fail "F10 did not end the program"
[ "$exit_status" -eq 0 ] || fail "the program ended with code $exit_status"

# The record: the two weeks and the new game, last, with its counts and the name.
[ "$(stat -c %a "$records")" = 600 ] || fail "the record is not private to the player"
row=$(/usr/bin/python3 - "$records" <<'PYTHON'
import sqlite3, sys
db = sqlite3.connect("file:%s?mode=ro" % sys.argv[1], uri=True)
count, = db.execute("SELECT count(*) FROM games").fetchone()
check, = db.execute("PRAGMA integrity_check").fetchone()
last = db.execute("SELECT mode, ended_by, score, turns, matches, mismatches, lead_name "
                  "FROM games ORDER BY played_at DESC LIMIT 1").fetchone()
print(count, check, *last)
PYTHON
)
expected="15 ok one finished $score $((18 + mismatches)) 18 $mismatches Tester"
[ "$row" = "$expected" ] || fail "the record holds '$row', expected '$expected'"
echo "e2e: a game of $mismatches mismatches scored $score, was recorded with the name, and the statistics marked it the best"
