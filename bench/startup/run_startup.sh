#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Start-up benchmark: the time from process start to the first painted board, and the peak
# memory (max RSS), of the game against startup_baseline, alternately in the same run under one
# Xvfb server. The game runs as TavroMemoryFirstPaint, its benchmark build, which like the
# baseline quits after its first paint.
# Prints the medians and their ratios; fails when the game needs more than 1.25 times the
# baseline's time or 1.2 times its memory, or when the libraries of its optional parts (Qt SQL,
# Qt Charts, the SQLite driver, the game's own modules) are mapped by the time its board is
# painted: they load when first used. With STARTUP_SOUNDS=on the game starts with the sounds
# stored on: their module loads only after the first paint, so the time must not change.
# Usage: [STARTUP_SOUNDS=on] run_startup.sh <build folder> [runs]
set -euo pipefail
build=$(realpath "$1")
runs=${2:-21}
here=$(dirname "$(realpath "$0")")
source "$here/../../tests/e2e/xvfb.sh"

program="$build/TavroMemoryFirstPaint"
baseline="$build/bench/startup/startup_baseline"
card_back="$build/gfx/animals/space.bmp"
for file in "$program" "$baseline" "$card_back"; do
    [ -e "$file" ] || {
        echo "missing $file: build TavroMemoryFirstPaint and startup_baseline" >&2
        exit 2
    }
done

start_session
mkdir -p "$work/play"
cd "$work/play"
if [ "${STARTUP_SOUNDS:-off}" = on ]; then
    mkdir -p "$XDG_CONFIG_HOME/Tavro"
    printf '[Software]\nTavro\\Tavro%%20Memory\\sounds=on\n' >"$XDG_CONFIG_HOME/Tavro/Tavro Memory.ini"
fi

# One run: prints "<milliseconds> <max RSS in KiB>".
measure() {
    local start end
    start=$(date +%s%N)
    /usr/bin/time -f '%M' -o "$work/rss" "$@" >/dev/null 2>&1
    end=$(date +%s%N)
    echo "$(((end - start) / 1000000)) $(cat "$work/rss")"
}

median() { sort -n | awk '{v[NR] = $1} END {print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2}'; }

: >"$work/game" && : >"$work/base"
for warm_up in 1 2; do
    measure "$program" >/dev/null
    measure "$baseline" "$card_back" >/dev/null
done
for run in $(seq 1 "$runs"); do
    measure "$program" >>"$work/game"
    measure "$baseline" "$card_back" >>"$work/base"
done

# What the game has mapped at its first paint.
"$program" "$work/maps" >/dev/null 2>&1
optional=$(grep -oE 'lib(Qt6Sql|Qt6Charts|qsqlite|tavro_[a-z]+)[^ ]*\.so[^ ]*' "$work/maps" | sort -u || true)
if [ -n "$optional" ]; then
    printf 'mapped at start, though loaded only when first used:\n%s\n' "$optional"
    optional_ok=1
else
    echo "at the first paint, none of Qt SQL, Qt Charts, the SQLite driver or the game's modules is mapped"
    optional_ok=0
fi

game_ms=$(cut -d' ' -f1 "$work/game" | median)
base_ms=$(cut -d' ' -f1 "$work/base" | median)
game_kb=$(cut -d' ' -f2 "$work/game" | median)
base_kb=$(cut -d' ' -f2 "$work/base" | median)
awk -v gm="$game_ms" -v bm="$base_ms" -v gk="$game_kb" -v bk="$base_kb" -v n="$runs" 'BEGIN {
    time_ratio = gm / bm; rss_ratio = gk / bk
    printf "start-up to first paint, median of %d runs: game %.1f ms, baseline %.1f ms, ratio %.3f (limit 1.25)\n", n, gm, bm, time_ratio
    printf "peak memory (max RSS), median: game %d KiB, baseline %d KiB, ratio %.3f (limit 1.20)\n", gk, bk, rss_ratio
    exit (time_ratio <= 1.25 && rss_ratio <= 1.20) ? 0 : 1
}' && [ "$optional_ok" -eq 0 ]
