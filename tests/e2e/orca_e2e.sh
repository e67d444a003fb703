#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The game played by ear: the real Orca screen reader (default settings) reads the real program
# under Xvfb, on private session and accessibility buses, and every text it speaks goes to a file.
# The test plays by keys alone and learns the cards only from what it hears: the moves, a match
# and a mismatch, the hint, the Leads table, a new deal, and a whole game to its end with the name
# entry. After each key it checks what was spoken.
# Usage: orca_e2e.sh <path of TavroMemory>
set -euo pipefail
here=$(dirname "$(realpath "$0")")
if [ -z "${TAVRO_PRIVATE_BUS:-}" ]; then
    exec env TAVRO_PRIVATE_BUS=1 dbus-run-session -- bash "$0" "$@"
fi
program=$(realpath "$1")
# shellcheck source=tests/e2e/xvfb.sh
source "$here/xvfb.sh"
# shellcheck source=tests/e2e/orca_speech.sh
source "$here/orca_speech.sh"

start_session
# Orca first, by force (see stop_orca); the transcript is kept for a failure.
trap 'stop_orca; cp "$work/spoken.txt" "${TMPDIR:-/tmp}/orca_e2e_spoken.txt" 2>/dev/null; stop_session' EXIT
/usr/libexec/at-spi-bus-launcher --launch-immediately >"$work/atspi.log" 2>&1 &
extra_pids+=("$!")
export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 NO_AT_BRIDGE=0 LANGUAGE=en LANG=C.UTF-8
# A short delay: the turned-back pair is told when it has passed.
write_settings animals 200
start_speech
run_game "$program"
start_orca

place() { echo "row $(((($1) - 1) / 6 + 1)), column $(((($1) - 1) % 6 + 1))"; }

# Start: the board has the focus and tells how to play.
heard_from=0
focus_main_window
expect_heard "Board panel.*Arrow keys move, Space turns a card"
settle

# Moves: the first arrow key puts the cursor on card 1; each move speaks the card.
cursor=0
press Right
expect_heard "Card 1, row 1, column 1: face down push button"
cursor=1
press Right
expect_heard "Card 2, row 1, column 2: face down"
press Down
expect_heard "Card 8, row 2, column 2: face down"
press Left Up
expect_heard "Card 1, row 1, column 1: face down"
settle

# Moves the cursor to tile $1, checking that the card is spoken.
move_to() {
    local target=$1 keys=() row col
    row=$(((target - 1) / 6 - (cursor - 1) / 6))
    col=$(((target - 1) % 6 - (cursor - 1) % 6))
    while [ "$row" -gt 0 ]; do keys+=(Down); row=$((row - 1)); done
    while [ "$row" -lt 0 ]; do keys+=(Up); row=$((row + 1)); done
    while [ "$col" -gt 0 ]; do keys+=(Right); col=$((col - 1)); done
    while [ "$col" -lt 0 ]; do keys+=(Left); col=$((col + 1)); done
    cursor=$target
    [ ${#keys[@]} -gt 0 ] || return 0
    press "${keys[@]}"
    expect_heard "Card $target, $(place "$target"): face down"
}

declare -A face=()     # tile -> the picture heard
declare -A matched=()  # tile -> 1
points=0
matches=0
mismatches=0

# Turns the card under the cursor with Space; prints nothing, sets face[tile].
turn_first() {
    press space
    expect_heard "face up: [a-z ]+\."
    face[$cursor]=$(heard | sed -n 's/.*face up: \([a-z ]*\)\..*/\1/p')
    settle
}

# One turn: tiles $1 and $2 by keys; checks the outcome and the points heard.
turn_pair() {
    local first=$1 second=$2
    move_to "$first"
    turn_first
    move_to "$second"
    press Return
    expect_heard "face up: [a-z ]+\..*points"
    face[$second]=$(heard | sed -n 's/.*face up: \([a-z ]*\)\..*/\1/p')
    if [ "${face[$first]}" = "${face[$second]}" ]; then
        points=$((points + 100))
        matches=$((matches + 1))
        matched[$first]=1
        matched[$second]=1
        expect_heard "Pair matched\. $points points"
    else
        points=$((points - 10))
        mismatches=$((mismatches + 1))
        expect_heard "No match\. $points points"
        expect_heard "Turned face down: $(place "$first") and $(place "$second")"
    fi
    settle
}

# A mismatch and a match, whatever the deal: cards are turned in pairs of neighbours until both
# outcomes were heard, and a pair whose faces are both known is matched.
known_partner() {
    local tile=$1 other
    for other in "${!face[@]}"; do
        if [ "$other" != "$tile" ] && [ -z "${matched[$other]:-}" ] &&
            [ "${face[$other]}" = "${face[$tile]}" ]; then
            echo "$other"
            return 0
        fi
    done
    return 1
}

# Plays the whole deal to its end by ear: learns the cards two at a time and matches each pair
# as soon as both its cards are known.
play_to_end() {
    local tile partner next=1
    while [ "${#matched[@]}" -lt 36 ]; do
        partner=""
        for tile in "${!face[@]}"; do
            [ -n "${matched[$tile]:-}" ] && continue
            if partner=$(known_partner "$tile"); then
                turn_pair "$tile" "$partner"
                break
            fi
            partner=""
        done
        [ -n "$partner" ] && continue
        while [ -n "${face[$next]:-}" ]; do next=$((next + 1)); done
        tile=$next
        next=$((next + 1))
        while [ -n "${face[$next]:-}" ]; do next=$((next + 1)); done
        [ "$next" -le 36 ] || fail "no card left to learn"
        turn_pair "$tile" "$next"
    done
}

# Turns: neighbours until a mismatch was heard, then the hint's pair for a match.
for first in 1 3 5 7 9; do
    turn_pair "$first" $((first + 1))
    [ "$mismatches" -gt 0 ] && break
done
[ "$mismatches" -gt 0 ] || fail "five turns of neighbours all matched"

# The hint names its pair by row and column and its price; the points drop after it.
press F4
expect_heard "Hint: row [1-6], column [1-6] and row [1-6], column [1-6]\."
points=$((points - 75))
expect_heard "The hint cost 75 points\. $points points"
settle
hinted=$(heard | sed -n 's/.*Hint: row \([1-6]\), column \([1-6]\) and row \([1-6]\), column \([1-6]\)\..*/\1 \2 \3 \4/p')
read -r r1 c1 r2 c2 <<<"$hinted"
turn_pair $(((r1 - 1) * 6 + c1)) $(((r2 - 1) * 6 + c2))
[ "$matches" -gt 0 ] || fail "the hinted pair did not match"

# The Leads: the table has the focus and reads a place a line; Tab reaches Clear and OK.
press F3
expect_heard "Leads dialog.*1, [^,]*, -?[0-9]+ points"
settle
press Down
expect_heard "(^| )2, [^,]*, -?[0-9]+ points"
press Down
expect_heard "(^| )3, [^,]*, -?[0-9]+ points"
press Up
expect_heard "(^| )2, [^,]*, -?[0-9]+ points"
press Tab
expect_heard "Clear push button"
press Tab
expect_heard "OK push button"
settle
press Escape
# Without a window manager the test hands the focus back, as a window manager would.
wait_for 10 sh -c '! xdotool search --onlyvisible --name "^Leads$" | grep -q .' ||
    fail "the Leads dialog did not close"
focus_main_window
settle

# A new deal is told.
press F2
expect_heard "New game"
settle
unset face matched
declare -A face=() matched=()
points=0
matches=0
mismatches=0
cursor_before=$cursor
play_to_end
[ "$matches" -eq 18 ] || fail "the game ended after $matches matches"
[ "$mismatches" -gt 0 ] || fail "a whole game without a mismatch: the learning did not happen"

# The end: the score first, then the name entry, which says why it is shown.
expect_heard "Game over, $points points"
expect_heard "Game over, $points points.*Enter your name dialog"
expect_heard "A new high score: $points points"
expect_heard "Name"
wait_for 10 xdotool search --onlyvisible --name '^Enter your name$' ||
    fail "the name entry did not open"
xdotool windowfocus --sync "$(xdotool search --onlyvisible --name '^Enter your name$' | head -n1)"
settle
xdotool type --delay 60 Kim
settle
press Return
expect_heard "1, Kim, $points points"
settle
press Escape
echo "orca: heard the moves, $((matches)) matches and $mismatches mismatches of a whole game," \
    "the hint, the Leads and the end (cursor started at $cursor_before)"
