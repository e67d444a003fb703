#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# End-to-end run of a whole game played with the keyboard alone, under Xvfb: the arrow keys walk
# the cursor ring over the board and Space turns the card under it, the cards are learnt from
# screenshots, the name is typed into the name entry dialog, and the Leads table is cleared with
# Tab, Space and Enter. Only key presses go to the program (without a window manager the test
# hands the focus to each new dialog itself, as a window manager would).
# Usage: keyboard_game_e2e.sh <path of TavroMemory>
set -euo pipefail
program=$(realpath "$1")
here=$(dirname "$(realpath "$0")")
# shellcheck source=tests/e2e/xvfb.sh
source "$here/xvfb.sh"

start_session
# A long delay keeps a mismatched pair on screen while the screenshot reads it.
write_settings animals 1500
run_game "$program"
focus_main_window

shot="$work/screen.png"
# The middle of tile $1's picture: the cursor ring runs along the picture's edge, so the middle
# shows the card the same with and without it.
digest_of() {
    import -window root -crop "44x44+$(($(tile_left "$1") + 8))+$(($(tile_top "$1") + 8))" +repage \
        -depth 8 rgb:- | md5sum | cut -d' ' -f1
}
card_back=$(digest_of 36)

# Before the first arrow key the board shows no ring: tile 1 looks as every other face-down card,
# edge included.
[ "$(import -window root "$shot" && tile_digest "$shot" 1)" = "$(tile_digest "$shot" 2)" ] ||
    fail "tile 1 looks different from tile 2 before any key"

press() { xdotool key --delay 40 "$@"; }
cursor=0  # the tile under the ring; 0 before the first arrow key
# Walks the ring to tile $1 with the arrow keys.
walk_to() {
    if [ "$cursor" -eq 0 ]; then
        press Right  # the first arrow shows the ring on tile 1
        cursor=1
    fi
    local rows=$(((($1 - 1) / 6) - ((cursor - 1) / 6)))
    local columns=$(((($1 - 1) % 6) - ((cursor - 1) % 6)))
    while [ "$rows" -gt 0 ]; do press Down; rows=$((rows - 1)); done
    while [ "$rows" -lt 0 ]; do press Up; rows=$((rows + 1)); done
    while [ "$columns" -gt 0 ]; do press Right; columns=$((columns - 1)); done
    while [ "$columns" -lt 0 ]; do press Left; columns=$((columns + 1)); done
    cursor=$1
}
turn_tile() {
    walk_to "$1"
    press space
}
# shellcheck source=tests/e2e/board_play.sh
source "$here/board_play.sh"

# The ring is there now, in black and white inside the grey frame: no blue (the hint's colour) in
# tile 1's frame, and the picture's middle is unchanged.
press Right
cursor=1
sleep 0.3
import -window root "$shot"
blue=$(convert "$shot" -crop "70x70+$(($(tile_left 1) - 5))+$(($(tile_top 1) - 5))" +repage \
    -alpha off -fill black +opaque '#0000FF' -fill white -opaque '#0000FF' \
    -format '%[fx:round(mean*w*h)]' info:)
[ "$blue" -eq 0 ] || fail "the cursor ring shows blue ($blue pixels)"
[ "$(tile_digest "$shot" 1)" != "$(tile_digest "$shot" 2)" ] || fail "no cursor ring on tile 1"
[ "$(digest_of 1)" = "$card_back" ] || fail "the ring covers the middle of the card"

play_whole_game
score=$((18 * 100 - 10 * mismatches))

focus_name_entry
xdotool type --delay 50 "Keys"
press Tab space  # to the OK button, and press it

leads_window() { xdotool search --onlyvisible --name '^Leads$' | head -n 1 | grep .; }
wait_for 10 leads_window || fail "no Leads dialog after the name was entered"
leads="$work/play/leads.dat"
[ "$(head -c 5 "$leads" | tail -c 4)" = "Keys" ] || fail "place 1 does not hold the name"
stored=$(od -An -t d4 -j 112 -N 4 "$leads" | tr -d ' ')
[ "$stored" -eq "$score" ] || fail "place 1 holds $stored points, expected $score"

# Clear: Tab to the button, Space presses it, Enter answers the question with Yes.
xdotool windowfocus --sync "$(leads_window)"
sleep 0.3
press Tab space
question_window() { xdotool search --onlyvisible --name '^Tavro Memory$' | head -n 1 | grep .; }
wait_for 10 question_window || fail "Clear did not ask"
xdotool windowfocus --sync "$(question_window)"
sleep 0.3
press Return
question_closed() { ! question_window; }
wait_for 10 question_closed || fail "the question did not close"
cleared() { [ "$(head -c 5 "$leads" | tail -c 4)" = "none" ]; }
wait_for 10 cleared || fail "the Leads table was not cleared"
[ "$(stat -c %s "$leads")" -eq 152 ] || fail "leads.dat is not 152 bytes after Clear"

# OK: Tab from Clear to OK, Enter presses it.
xdotool windowfocus --sync "$(leads_window)"
sleep 0.3
press Tab Return
dialogs_closed() { ! leads_window && ! name_window; }
wait_for 10 dialogs_closed || fail "the dialogs did not close"

focus_main_window
press F10
wait_for_exit 10 "$app_pid" || fail "F10 did not end the program"
[ "$exit_status" -eq 0 ] || fail "the program ended with code $exit_status"
echo "e2e: a whole game played by keys, $mismatches mismatches, $score points, Leads cleared"
