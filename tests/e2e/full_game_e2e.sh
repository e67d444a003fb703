#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# End-to-end run of a whole game with the real program under Xvfb, played as a person would:
# turn the cards over two at a time and remember what they showed, match all 18 pairs, type a
# name into the name entry dialog, find it at place 1 of the Leads dialog and in "leads.dat",
# then deal again with F2 and end with F10.
# Usage: full_game_e2e.sh <path of TavroMemory>
set -euo pipefail
program=$(realpath "$1")
here=$(dirname "$(realpath "$0")")
# shellcheck source=tests/e2e/xvfb.sh
source "$here/xvfb.sh"

start_session
# A long delay keeps a mismatched pair on screen while the screenshot reads it.
write_settings animals 1500
run_game "$program"

# shellcheck source=tests/e2e/board_play.sh
source "$here/board_play.sh"
play_whole_game_by_clicks
score=$((18 * 100 - 10 * mismatches))

# The score beats the default table, so the name entry dialog asks for a name.
focus_name_entry
xdotool type --delay 50 "Tester"
xdotool key Return

leads_window() { xdotool search --onlyvisible --name '^Leads$' | head -n 1 | grep .; }
wait_for 10 leads_window || fail "no Leads dialog after the name was entered"
sleep 0.5
# Within the Leads window only place 1 is red: "1", "Tester" and the score.
import -window "$(leads_window)" "$shot"
red=$(convert "$shot" -alpha off -fuzz 20% -fill black +opaque '#FF0000' -fill white \
    -opaque '#FF0000' -format '%[fx:round(mean*w*h)]' info:)
[ "$red" -gt 40 ] || fail "the Leads dialog shows no red first row ($red red pixels)"
xdotool windowfocus "$(leads_window)"
sleep 0.3
xdotool key Escape
dialogs_closed() { ! leads_window && ! name_window; }
wait_for 10 dialogs_closed || fail "the dialogs did not close"

# Place 1 of the file holds the name and the score (little-endian at offset 112).
leads="$work/play/leads.dat"
[ "$(stat -c %s "$leads")" -eq 152 ] || fail "leads.dat is not 152 bytes"
[ "$(head -c 7 "$leads" | tail -c 6)" = "Tester" ] || fail "place 1 does not hold the name"
stored=$(od -An -t d4 -j 112 -N 4 "$leads" | tr -d ' ')
[ "$stored" -eq "$score" ] || fail "place 1 holds $stored points, expected $score"

# F2 deals again: every card is face down.
focus_main_window
xdotool key F2
wait_for_tile 1 back
[ "$(digest_of 18)" = "$card_back" ] || fail "F2 did not turn every card face down"
xdotool key F10
wait_for_exit 10 "$app_pid" || fail "F10 did not end the program"
[ "$exit_status" -eq 0 ] || fail "the program ended with code $exit_status"
echo "e2e: a whole game of $mismatches mismatches scored $score and entered \"Tester\" at place 1"
