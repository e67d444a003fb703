#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# End-to-end run of two copies of the real program that share one working folder, each on an
# Xvfb server of its own: both games are played through at the same time, each player types a
# name into the name entry dialog, and both press Enter at the same instant. Both entries must
# end up in "leads.dat", and so must the entry that was stored before.
# Usage: two_games_e2e.sh <path of TavroMemory>
set -euo pipefail
program=$(realpath "$1")
here=$(dirname "$(realpath "$0")")
shared=$(mktemp -d)
mkdir "$shared/play"
players=()

stop_players() {
    local pid
    for pid in "${players[@]}"; do
        kill "$pid" 2>/dev/null || true
    done
    wait 2>/dev/null || true
    rm -rf "$shared"
}
trap stop_players EXIT

# Before either copy starts, the table holds one entry: "Earlier" with 50 points.
printf '\007Earlier\000\000\000' >"$shared/play/leads.dat"
for _ in $(seq 2 10); do printf '\004none\000\000\000\000\000\000' >>"$shared/play/leads.dat"; done
head -c 42 /dev/zero >>"$shared/play/leads.dat"
printf '\062' | dd of="$shared/play/leads.dat" bs=1 seek=112 conv=notrunc status=none

# One player, in a subshell with a session of its own: plays a whole game, types the name $1,
# reports "ready" and presses Enter once the test says "go"; then ends the program with F10.
play_as() {
    local name=$1
    trap 'exit 1' TERM  # so that the session's own clean-up runs when the test stops a player
    # shellcheck source=tests/e2e/xvfb.sh
    source "$here/xvfb.sh"
    start_session
    # A long delay keeps a mismatched pair on screen while the screenshot reads it.
    write_settings animals 1500
    run_game "$program" "$shared/play" "$name"

    # shellcheck source=tests/e2e/board_play.sh
    source "$here/board_play.sh"
    play_whole_game_by_clicks
    echo $((18 * 100 - 10 * mismatches)) >"$shared/score-$name"

    focus_name_entry "$name"
    xdotool type --delay 50 "$name"
    touch "$shared/ready-$name"
    until [ -e "$shared/go" ]; do sleep 0.005; done
    xdotool key Return

    leads_window() { xdotool search --onlyvisible --name '^Leads$' | head -n 1 | grep .; }
    wait_for 10 leads_window || fail "$name: no Leads dialog after the name was entered"
    xdotool windowfocus --sync "$(leads_window)"
    sleep 0.3
    xdotool key Escape
    dialogs_closed() { ! leads_window && ! name_window; }
    wait_for 10 dialogs_closed || fail "$name: the dialogs did not close"
    focus_main_window
    xdotool key F10
    wait_for_exit 10 "$app_pid" || fail "$name: F10 did not end the program"
    [ "$exit_status" -eq 0 ] || fail "$name: the program ended with code $exit_status"
}

(play_as Anna) &
players+=($!)
(play_as Bert) &
players+=($!)

# Both name entry dialogs wait with a typed name; then both players press Enter at once.
until [ -e "$shared/ready-Anna" ] && [ -e "$shared/ready-Bert" ]; do
    for pid in "${players[@]}"; do
        kill -0 "$pid" 2>/dev/null || { wait "$pid" || true; echo "FAIL: a player stopped" >&2; exit 1; }
    done
    sleep 0.05
done
touch "$shared/go"
for pid in "${players[@]}"; do
    wait "$pid" || { echo "FAIL: a player failed" >&2; exit 1; }
done
players=()

# Each name at a place with its score (names at 11-byte slots, scores from byte 112 on).
leads="$shared/play/leads.dat"
[ "$(stat -c %s "$leads")" -eq 152 ] || { echo "FAIL: leads.dat is not 152 bytes" >&2; exit 1; }
stored_entry() {  # prints "name points" for place $1 (0..9)
    local length
    length=$(od -An -t u1 -j $(($1 * 11)) -N 1 "$leads" | tr -d ' ')
    echo "$(dd if="$leads" bs=1 skip=$(($1 * 11 + 1)) count="$length" status=none)" \
        "$(od -An -t d4 -j $((112 + 4 * $1)) -N 4 "$leads" | tr -d ' ')"
}
entries=$(for place in $(seq 0 9); do stored_entry "$place"; done)
for name in Anna Bert; do
    grep -qx "$name $(cat "$shared/score-$name")" <<<"$entries" ||
        { printf 'FAIL: %s is not in the table:\n%s\n' "$name" "$entries" >&2; exit 1; }
done
grep -qx "Earlier 50" <<<"$entries" ||
    { printf 'FAIL: the earlier entry is gone:\n%s\n' "$entries" >&2; exit 1; }
echo "e2e: two games entered \"Anna\" ($(cat "$shared/score-Anna")) and \"Bert\"" \
    "($(cat "$shared/score-Bert")) at the same instant; both are in the table"
