#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Start-up benchmark of the installed game: the time from starting the launcher (in a temporary
# install of the build, started from an unrelated folder) until the game's main window is mapped,
# against the bare Qt board baseline (bench/startup/baseline.cpp) until its window is mapped,
# alternately in the same run under one Xvfb server. Both are watched from outside: xev reports
# every top-level window the server maps, the first one after the start ends the measurement and
# the program is ended. Prints the medians and their ratio; fails when the ratio is above 1.3.
# Usage: run_launcher.sh <build folder> [runs]
set -euo pipefail
build=$(realpath "$1")
runs=${2:-21}
here=$(dirname "$(realpath "$0")")
# shellcheck source=tests/e2e/xvfb.sh
source "$here/../../tests/e2e/xvfb.sh"

baseline="$build/bench/startup/startup_baseline"
[ -x "$baseline" ] || { echo "missing $baseline: build startup_baseline" >&2; exit 2; }

start_session
cmake --install "$build" --prefix "$work/usr" --strip >/dev/null
launcher="$work/usr/games/tavro-memory"
card_back="$work/usr/lib/games/tavro-memory/gfx/animals/space.bmp"
mkdir -p "$work/elsewhere"
unset TAVRO_EXIT_AFTER_FIRST_PAINT
cd "$work/elsewhere"

# The time of each top-level map, read from the fifo on descriptor 9 (bash's own clock on both
# ends, so that no process is started while a program starts).
mkfifo "$work/maps"
(stdbuf -oL xev -root -event substructure 2>/dev/null | while IFS= read -r line; do
    case $line in MapNotify*) echo "$EPOCHREALTIME" ;; esac
done >"$work/maps") &
extra_pids+=("$!")
exec 9<"$work/maps"
sleep 0.5  # xev is listening

# One run: starts the command in the arguments, waits for its first window to be mapped, prints
# the microseconds that took, ends the program and drops any later maps of it.
measure() {
    local start mapped pid
    start=$EPOCHREALTIME
    "$@" >/dev/null 2>&1 &
    pid=$!
    read -r -t 30 mapped <&9 || { echo "no window of $* was mapped" >&2; exit 1; }
    kill "$pid" 2>/dev/null || true
    wait "$pid" 2>/dev/null || true
    while read -r -t 0.2 _ <&9; do :; done
    echo $((${mapped/./} - ${start/./}))
}
game() { measure "$launcher"; }
# The game without the launcher, run in the same folder, shows what the launcher itself costs.
direct() { (cd "$XDG_DATA_HOME/tavro-memory" && measure "$work/usr/lib/games/tavro-memory/TavroMemory"); }
base() { measure "$baseline" "$card_back"; }

median() { sort -n | awk '{v[NR] = $1} END {print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2}'; }

for warm_up in 1 2; do
    game >/dev/null
    base >/dev/null
done
: >"$work/game" && : >"$work/base" && : >"$work/direct"
for run in $(seq 1 "$runs"); do
    game >>"$work/game"
    base >>"$work/base"
    direct >>"$work/direct"
done
game_us=$(median <"$work/game")
base_us=$(median <"$work/base")
direct_us=$(median <"$work/direct")
# The fastest runs, less disturbed by other load on the machine; for information.
game_min=$(sort -n "$work/game" | head -n 1)
base_min=$(sort -n "$work/base" | head -n 1)
awk -v g="$game_us" -v b="$base_us" -v d="$direct_us" -v n="$runs" -v gm="$game_min" \
    -v bm="$base_min" 'BEGIN {
    ratio = g / b
    printf "start-up until the window is mapped, median of %d runs: game through the launcher %.1f ms, baseline %.1f ms, ratio %.3f (limit 1.30)\n", n, g / 1000, b / 1000, ratio
    printf "the game started directly: %.1f ms, ratio %.3f to the baseline\n", d / 1000, d / b
    printf "fastest runs: game through the launcher %.1f ms, baseline %.1f ms, ratio %.3f\n", gm / 1000, bm / 1000, gm / bm
    exit ratio <= 1.30 ? 0 : 1
}'
