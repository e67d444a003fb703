# SPDX-License-Identifier: GPL-3.0-or-later
# Sourced by the end-to-end runs that play a whole game as a person would: turn the cards over two
# at a time, remember what each showed (by screenshot digests), and match every pair. The sourcing
# script defines how a card is turned (turn_tile, by a click or by keys) and how a tile's picture
# is read (digest_of), and sets card_back to the digest of a face-down card.
# After play_whole_game: matched has all 36 tiles and mismatches counts the pairs that failed.
# shellcheck shell=bash disable=SC2034  # the variables set here are the sourcing script's

declare -A seen     # tile -> digest of its face
declare -A matched  # tile -> 1
mismatches=0

# Waits until tile $1 shows the card back ($2 = back) or a face ($2 = face; the face's digest is
# printed once two screenshots in a row agree on it).
wait_for_tile() {
    local digest previous=""
    for _ in $(seq 1 100); do
        digest=$(digest_of "$1")
        if [ "$2" = back ]; then
            [ "$digest" = "$card_back" ] && return 0
        elif [ "$digest" != "$card_back" ] && [ "$digest" = "$previous" ]; then
            echo "$digest"
            return 0
        fi
        previous=$digest
        sleep 0.05
    done
    fail "tile $1 did not turn ($2)"
}

# One turn: tiles $1 and $2; remembers both faces and waits for a mismatch to turn back. A
# sourcing script that defines pair_played hears of each pair: its tiles and "match" or "miss".
turn_pair() {
    local result=match
    turn_tile "$1"
    seen[$1]=$(wait_for_tile "$1" face)
    turn_tile "$2"
    seen[$2]=$(wait_for_tile "$2" face)
    if [ "${seen[$1]}" = "${seen[$2]}" ]; then
        matched[$1]=1
        matched[$2]=1
    else
        result=miss
        mismatches=$((mismatches + 1))
        wait_for_tile "$2" back
        wait_for_tile "$1" back
    fi
    if declare -F pair_played >/dev/null; then
        pair_played "$1" "$2" "$result"
    fi
}

# Learns every card by turning neighbours over, then matches the pairs that are left.
play_whole_game() {
    local first tile other
    for first in $(seq 1 2 35); do
        turn_pair "$first" $((first + 1))
    done
    for tile in $(seq 1 36); do
        [ -n "${matched[$tile]:-}" ] && continue
        for other in $(seq $((tile + 1)) 36); do
            if [ -z "${matched[$other]:-}" ] && [ "${seen[$other]}" = "${seen[$tile]}" ]; then
                turn_pair "$tile" "$other"
                break
            fi
        done
    done
    [ "${#matched[@]}" -eq 36 ] || fail "only ${#matched[@]} cards were matched"
}

# The whole game played with the mouse, each tile read from the screen.
play_whole_game_by_clicks() {
    shot="$work/screen.png"
    digest_of() { screen_tile_digest "$1"; }
    card_back=$(digest_of 36)
    turn_tile() { click_tile "$1"; }
    play_whole_game
}

# The name entry dialog's window, once it is shown.
name_window() { xdotool search --onlyvisible --name '^Enter your name$' | head -n 1 | grep .; }

# Waits for the name entry that a qualifying score brings, and gives it the keyboard. $1 names
# the player in the failure message.
focus_name_entry() {
    wait_for 10 name_window || fail "${1:+$1: }no name entry dialog after the last pair"
    xdotool windowfocus --sync "$(name_window)"
    sleep 0.3
}
