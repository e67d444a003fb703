#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# End-to-end run of a whole game against the computer with the real program under Xvfb. Anna
# plays by clicks whenever the bottom line marks her turn, remembering the cards she turned and
# the pairs found on the board; the computer plays its turns on the same board at the delay's
# pace. The end's window names the winner with both scores (Anna's counted from her own pairs,
# the computer's from the pairs left to it and the turns it handed back), leads.dat stays as it
# was, and Enter in the end's window ("Play again") deals a new game.
# Usage: against_computer_e2e.sh <path of TavroMemory>
set -euo pipefail
program=$(realpath "$1")
here=$(dirname "$(realpath "$0")")
# shellcheck source=tests/e2e/xvfb.sh
source "$here/xvfb.sh"
# shellcheck source=tests/e2e/play_modes.sh
source "$here/play_modes.sh"

start_session
# Long enough for the screen to be read before Anna's mismatched pair turns back, also on a busy
# machine; the computer turns its cards at the same pace.
write_settings animals 1000
add_play_settings players=computer player1=Anna strength=perfect
run_game "$program"
leads="$work/play/leads.dat"
cp "$leads" "$work/leads.before"

# shellcheck source=tests/e2e/board_play.sh
source "$here/board_play.sh"
play_by_quick_clicks
matched=()  # set, if empty, for the count below

# At the start of Anna's turn every card is face down but the matched ones.
note_matched_pairs() {
    local tile digest
    import -window root "$shot"
    for tile in $(seq 1 36); do
        [ -n "${matched[$tile]:-}" ] && continue
        digest=$(tile_digest "$shot" "$tile")
        if [ "$digest" != "$card_back" ]; then
            matched[$tile]=1
            seen[$tile]=$digest
        fi
    done
}
# A face-down tile whose face Anna saw and whose partner is also face down and seen; or none.
known_pair() {
    local tile other
    for tile in "${!seen[@]}"; do
        [ -n "${matched[$tile]:-}" ] && continue
        for other in "${!seen[@]}"; do
            if [ "$other" != "$tile" ] && [ -z "${matched[$other]:-}" ] &&
                [ "${seen[$other]}" = "${seen[$tile]}" ]; then
                echo "$tile $other"
                return 0
            fi
        done
    done
    return 1
}
# The first face-down tile Anna has not seen, other than $1.
unseen_tile() {
    local tile
    for tile in $(seq 1 36); do
        if [ "$tile" != "${1:-0}" ] && [ -z "${matched[$tile]:-}" ] && [ -z "${seen[$tile]:-}" ]; then
            echo "$tile"
            return 0
        fi
    done
    return 1
}
# The seen face-down partner of tile $1; or none.
seen_partner() {
    local other
    for other in "${!seen[@]}"; do
        if [ "$other" != "$1" ] && [ -z "${matched[$other]:-}" ] &&
            [ "${seen[$other]}" = "${seen[$1]}" ]; then
            echo "$other"
            return 0
        fi
    done
    return 1
}

# Anna turns tile $2 to go with her face-up tile $1; fails (returns 1) on a mismatch, which
# passes the turn once the pair is face down again.
turn_second() {
    turn_tile "$2"
    seen[$2]=$(wait_for_tile "$2" face)
    if [ "${seen[$1]}" = "${seen[$2]}" ]; then
        matched[$1]=1
        matched[$2]=1
        anna_pairs=$((anna_pairs + 1))
        anna_points=$((anna_points + 100))
        return 0
    fi
    anna_points=$((anna_points - 10))
    wait_for_tile "$2" back
    wait_for_tile "$1" back
    return 1
}
# Anna's turn: a pair she knows, else a card she has not seen and then its partner if she saw
# it, or one more card she has not seen; until a mismatch or the end.
anna_turn() {
    local pair first second
    while [ "${#matched[@]}" -lt 36 ]; do
        if pair=$(known_pair); then
            first=${pair% *}
            second=${pair#* }
            turn_tile "$first"
            wait_for_tile "$first" face >/dev/null
        else
            first=$(unseen_tile) || fail "Anna has no card left to turn"
            turn_tile "$first"
            seen[$first]=$(wait_for_tile "$first" face)
            second=$(seen_partner "$first") || second=$(unseen_tile "$first") ||
                fail "Anna has no second card to turn"
        fi
        turn_second "$first" "$second" || return 0
    done
}

anna_turns=0
anna_pairs=0
anna_points=0
turn_or_end() { end_message_window || marks_turn_of 1; }
while true; do
    wait_for 60 turn_or_end || fail "neither Anna's turn nor the end came"
    end_message_window >/dev/null && break
    anna_turns=$((anna_turns + 1))
    sleep 0.2
    note_matched_pairs
    anna_turn
done

# Each of Anna's turns after the first followed a mismatch of the computer's.
computer_points=$(((18 - anna_pairs) * 100 - 10 * (anna_turns - 1)))
expect_end_message "$(end_text "$anna_points" "$computer_points" Anna "")" Return
cmp -s "$leads" "$work/leads.before" || fail "a game against the computer changed leads.dat"
echo "e2e: Anna $anna_points in $anna_turns turns, the computer $computer_points"

# "Play again" (Enter) dealt a new game against the computer: every card face down, Anna's turn.
wait_for_tile 1 back
import -window root "$shot"
for tile in $(seq 1 36); do
    [ "$(tile_digest "$shot" "$tile")" = "$card_back" ] || fail "tile $tile is not face down"
done
wait_for 5 marks_turn_of 1 || fail "Anna does not begin the game played again"
