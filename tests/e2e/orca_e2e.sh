#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The game played by ear: the real Orca screen reader (default settings) reads the real program
# under Xvfb, on private session and accessibility buses, and every text it speaks goes to a file.
# The test plays by keys alone and learns the cards only from what it hears: the menus, their
# keys and check marks, the moves, a match and a mismatch, the hint, the score key, the Leads
# table, a new deal, a whole game to its end with the name entry, then Options after the finished
# game, a short game in German, and a turn against the computer with a key pressed while it plays
# and F7. After each key it checks what was spoken; at the end, that no step takes longer to hear
# than its goal (tests/e2e/spoken_lengths.py, with espeak-ng) and that Orca dropped no event for a
# flood of them.
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
# Orca first, by force (see stop_orca); the transcript and the steps are kept for a failure.
keep_records() {
    cp "$work/spoken.txt" "${TMPDIR:-/tmp}/orca_e2e_spoken.txt" 2>/dev/null || true
    cp "$work/steps.tsv" "${TMPDIR:-/tmp}/orca_e2e_steps.tsv" 2>/dev/null || true
}
trap 'stop_orca; keep_records; stop_session' EXIT
/usr/libexec/at-spi-bus-launcher --launch-immediately >"$work/atspi.log" 2>&1 &
extra_pids+=("$!")
export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 NO_AT_BRIDGE=0 LANGUAGE=en LANG=C.UTF-8
# A short delay: the mismatch is told when its pair has turned back.
write_settings animals 200
start_speech
run_game "$program"
start_orca

# A place as the cards say it: column letter, row number ("B3").
place() { printf '%s%d' "$(echo ABCDEF | cut -c$(((($1) - 1) % 6 + 1)))" $(((($1) - 1) / 6 + 1)); }
tile_at() { # "B3" -> 15
    local columns=ABCDEF
    local column=${columns%%"${1:0:1}"*}
    echo $((((${1:1:1}) - 1) * 6 + ${#column} + 1))
}
# The picture heard after the last key: the line that is a name and a full stop alone.
heard_picture() {
    tail -n +"$((heard_from + 1))" "$spoken" | sed -n 's/^ *\([[:alpha:]][[:alpha:] ]*\)\.$/\1/p' |
        head -n1
}

# Start: the board has the focus and tells how to play, every key included.
heard_from=0
focus_main_window
expect_heard "Board panel.*Arrow keys move, Space turns a card.*F2 new game, F3 Leads, F4 hint.*F6 score, F10 exit"
settle

# The menus say their keys.
press alt+g
expect_heard "New F2"
press Down
expect_heard "Leads F3"
settle
press Escape Escape
focus_main_window
settle
# The Play menu's modes are radio buttons and its settings check boxes, each said with its state.
press alt+p
expect_heard "One player\. selected radio button"
settle
press Down
expect_heard "Two players.{1,3} not selected radio button"
settle
press Down Down
expect_heard "Sounds check box not checked"
settle
press Down
expect_heard "Animate cards check box not checked"
settle
press Down Down Down
expect_heard "Statistics.{1,3} F5"
settle
# The card sizes: radio buttons, and the keys that step through them.
press Down
expect_heard "Card size"
settle
press Right
expect_heard "Normal\. selected radio button"
settle
press Down Down Down Down Down
expect_heard "Larger.{1,3}Control"
settle
press Escape Escape Escape
focus_main_window
settle

# Moves: the first arrow key puts the cursor on card 1; each move says the card's state first and
# its place, and nothing else.
cursor=0
press Right
expect_heard "face down A1"
cursor=1
press Right
expect_heard "face down B1"
settle
record_step move
press Down
expect_heard "face down B2"
settle
record_step move
if heard | grep -Eq "push button|Card [0-9]|row [0-9]"; then
    fail "a move said more than the card's state and place: $(heard)"
fi
press Left Up
expect_heard "face down A1"
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
    expect_heard "face down $(place "$target")"
    if [ ${#keys[@]} -eq 1 ]; then
        settle
        record_step move
    fi
}

declare -A face=()     # tile -> the picture heard
declare -A matched=()  # tile -> 1
points=0
matches=0
mismatches=0

# Turns the card under the cursor with Space: the picture's name is all that is said.
turn_first() {
    press space
    expect_heard "^(space )?[a-z ]+\. ?$"
    face[$cursor]=$(heard_picture)
    settle
    record_step turn
}

# One turn: tiles $1 and $2 by keys; checks the outcome and the points heard.
turn_pair() {
    local first=$1 second=$2
    move_to "$first"
    turn_first
    move_to "$second"
    press Return
    expect_heard "[a-z ]+\."
    face[$second]=$(heard_picture)
    if [ "${face[$first]}" = "${face[$second]}" ]; then
        points=$((points + 100))
        matches=$((matches + 1))
        matched[$first]=1
        matched[$second]=1
        if [ "$matches" -lt 18 ]; then
            expect_heard "Match, $points points\."
        fi
    else
        points=$((points - 10))
        mismatches=$((mismatches + 1))
        expect_heard "No match, $points points\."
    fi
    [ "$matches" -lt 18 ] || return 0  # the end goes on with the name entry
    settle
    if [ "${face[$first]}" = "${face[$second]}" ]; then
        record_step match
    else
        record_step mismatch
    fi
}

# A pair whose faces are both known and not yet matched, as "tile tile".
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

# The hint names its pair and the points after its price, once it has ended.
press F4
points=$((points - 75))
expect_heard "Hint: [A-F][1-6] and [A-F][1-6], $points points\."
settle
record_step hint
read -r hint1 hint2 <<<"$(heard | sed -n 's/.*Hint: \([A-F][1-6]\) and \([A-F][1-6]\),.*/\1 \2/p')"
turn_pair "$(tile_at "$hint1")" "$(tile_at "$hint2")"
[ "$matches" -gt 0 ] || fail "the hinted pair did not match"

# The score on demand.
press F6
expect_heard "(^| )$points points\."
settle
record_step score

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

# A new deal is told with its score.
press F2
expect_heard "New game, 0 points\."
settle
record_step "new game"
unset face matched
declare -A face=() matched=()
points=0
matches=0
mismatches=0
cursor_before=$cursor
play_to_end
[ "$matches" -eq 18 ] || fail "the game ended after $matches matches"
[ "$mismatches" -gt 0 ] || fail "a whole game without a mismatch: the learning did not happen"

# The end: the game is over, and the score is said once, by the name entry, which says why it
# is shown.
expect_heard "Game over\..*Enter your name dialog"
expect_heard "A new high score: $points points"
expect_heard "Name"
settle
record_step end
said=$(heard | grep -o -- "$points points" | wc -l)
[ "$said" -eq 1 ] || fail "the end said the score $said times: $(heard)"
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
wait_for 10 sh -c '! xdotool search --onlyvisible --name "^Leads$" | grep -q .' ||
    fail "the Leads dialog did not close after the name entry"
focus_main_window
settle

# Options after the finished game: the list has the focus and says its ends; the delay is said
# with its unit; the new deal it leads to is heard.
press alt+o
expect_heard "Options dialog.*Cards.*combo box"
settle
press Down
expect_heard "Cards: [a-z]+, last"
settle
press Down
expect_heard "Cards: [a-z]+, last"
settle
press Tab
expect_heard "Delay in seconds slider"
settle
press Right
expect_heard "0\.25 seconds"
settle
press Escape
expect_heard "New game, 0 points\."
settle
record_step "new game"
focus_main_window
settle
# Shown again, Options starts on the list, wherever the focus was left.
press alt+o
expect_heard "Options dialog.*Cards.*combo box"
settle
press Escape
focus_main_window
settle
echo "orca: heard the menus, the moves, $matches matches and $mismatches mismatches of a whole" \
    "game, the hint, the score, the Leads, the end and Options (cursor started at $cursor_before)"

# German: the same words, shortly, from a second start of the program.
kill "$app_pid"
wait_for_exit 10 "$app_pid" || fail "the program did not end"
speech_language=de
export LANGUAGE=de LANG=de_DE.UTF-8  # the decimal comma, too
run_game "$program" "$work/play-de"
focus_main_window
expect_heard "Pfeiltasten"
settle
cursor=0
press Right
expect_heard "verdeckt A1"
cursor=1
for key in Right Down Left; do
    press "$key"
    expect_heard "verdeckt [A-F][1-6]"
    settle
    record_step move
done
press space
expect_heard "[[:alpha:]]+\."
settle
record_step turn
press Right
expect_heard "verdeckt B2"
settle
press Return
expect_heard "(Kein Paar|Paar), -?[0-9]+ Punkte\."
settle
if heard | grep -q "Kein Paar"; then record_step mismatch; else record_step match; fi
press F4
expect_heard "Tipp: [A-F][1-6]( und [A-F][1-6])?, -?[0-9]+ Punkte\."
settle
record_step hint
press F6
expect_heard "-?[0-9]+ Punkte\."
settle
record_step score
press alt+o
expect_heard "Karten"
settle
press Tab
settle
press Right
expect_heard "0,25 Sekunden"
settle
press Escape
expect_heard "Neues Spiel, 0 Punkte\."
settle
record_step "new game"
echo "orca: heard the moves, a turn, the hint, the score and Options in German"

# Against the computer, by ear: the Play menu says the key that repeats the computer's turn; a
# key pressed in the computer's turn silences what is being said, and F7 says the turn again.
kill "$app_pid"
wait_for_exit 10 "$app_pid" || fail "the program did not end"
speech_language=en
export LANGUAGE=en LANG=C.UTF-8
# source play_modes.sh's helper without its board helpers: the settings of a game against it.
write_settings animals 1000
printf 'Tavro\\Tavro%%20Memory\\%s\n' players=computer player1=Blind \
    >>"$XDG_CONFIG_HOME/Tavro/Tavro Memory.ini"
run_game "$program" "$work/play-computer"
focus_main_window
expect_heard "Arrow keys"
settle
press alt+p Down Down Down Down Down Down
expect_heard "Repeat the computer's turn F7"
settle
press Escape Escape
focus_main_window
settle

# Blind turns cards in order until a mismatch passes the turn.
declare -A taken=()  # tile -> 1: matched by either player
cursor=0
press Right
expect_heard "face down A1"
cursor=1
while :; do
    first=$cursor
    turn_first
    move_to $((cursor + 1))
    press space
    expect_heard "(No match|Pair matched)\. Blind has"
    heard | grep -q "No match" && break
    taken[$first]=1
    taken[$cursor]=1
    settle
    move_to $((cursor + 1))
done
turn_from=$heard_from
heard_in_turn() { tail -n +"$((turn_from + 1))" "$spoken" | grep -Eq -- "$1"; }
# The score key as the computer's first pair is being said: its sentence is cut off.
wait_for 30 heard_in_turn "^Computer" || fail "no pair of the computer's was heard: $(heard)"
press F6
expect_heard "Blind: -?[0-9]+ points, Computer: -?[0-9]+ points\."
wait_for 60 heard_in_turn "Blind's turn" || fail "the turn did not come back: $(heard)"
mapfile -t computer_pairs < <(tail -n +"$((turn_from + 1))" "$spoken" |
    grep -E "^Computer (pairs )?[a-z ]+ [A-F][1-6], ([a-z ]+ )?[A-F][1-6]\.$")
[ ${#computer_pairs[@]} -gt 0 ] || fail "the computer's pairs were not heard as such: $(heard)"
for pair in "${computer_pairs[@]}"; do
    printf '%s\tcomputer pair\t%s\n' "$speech_language" "$pair" >>"$steps"
    if [[ $pair =~ ^Computer\ pairs\ .*\ ([A-F][1-6]),\ ([A-F][1-6])\.$ ]]; then
        taken[$(tile_at "${BASH_REMATCH[1]}")]=1
        taken[$(tile_at "${BASH_REMATCH[2]}")]=1
    fi
done
settle
press F7
for pair in "${computer_pairs[@]}"; do
    expect_heard "$pair"
done
settle
# Once Blind turns a card, the computer's turn is over for good.
next=36
while [ -n "${taken[$next]:-}" ]; do next=$((next - 1)); done
move_to "$next"
press space
settle
press F7
expect_heard "No turn of the computer to repeat\."
settle
echo "orca: heard ${#computer_pairs[@]} pairs of the computer's, a key in its turn, and F7"

# Every kind of step within its goal, and no announcement lost in a flood of events.
stop_orca
python3 "$here/spoken_lengths.py" --check "$steps"
if grep -q "events pruned" "$work/orca-debug.log"; then
    fail "Orca dropped events in a flood: $(grep -c 'events pruned' "$work/orca-debug.log") times"
fi
