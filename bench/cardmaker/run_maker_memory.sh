#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Memory benchmark of the card maker: the peak memory (max RSS) of its command line making a set
# from 18 generated JPEG photos of 6000 x 4000 pixels, against the peak memory of the game's
# start-up to its first painted board (TavroMemoryFirstPaint under Xvfb), alternately in the same
# run. Prints the medians and their ratio; fails when the maker needs more than twice the game's.
# Usage: run_maker_memory.sh <build folder> [runs]
set -euo pipefail
build=$(realpath "$1")
runs=${2:-5}
here=$(dirname "$(realpath "$0")")
source "$here/../../tests/e2e/xvfb.sh"

maker="$build/tavro-memory-cards"
game="$build/TavroMemoryFirstPaint"
for file in "$maker" "$game"; do
    [ -x "$file" ] || {
        echo "missing $file: build tavro-memory-cards and TavroMemoryFirstPaint" >&2
        exit 2
    }
done

start_session
mkdir -p "$work/play" "$work/photos"

# 18 different photos: a diagonal gradient between two colours of its own each.
echo "making 18 photos of 6000 x 4000 pixels..."
for n in $(seq 1 18); do
    from=$(printf '#%02X%02X%02X' $(((n * 97) % 256)) $(((n * 57 + 80) % 256)) 40)
    to=$(printf '#%02X%02X%02X' 30 $(((n * 151 + 30) % 256)) $(((n * 71) % 256)))
    convert -size 4000x6000 "gradient:$from-$to" -rotate 90 -quality 90 "$work/photos/photo$n.jpg"
done

measure() {
    /usr/bin/time -f '%M' -o "$work/rss" "$@" >/dev/null 2>&1
    cat "$work/rss"
}
median() { sort -n | awk '{v[NR] = $1} END {print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2}'; }

: >"$work/maker" && : >"$work/game"
cd "$work/play"
for run in $(seq 0 "$runs"); do
    rm -rf "$XDG_DATA_HOME/tavro-memory/gfx/Bench"
    maker_kb=$(measure "$maker" --name Bench "$work"/photos/photo*.jpg)
    [ -s "$XDG_DATA_HOME/tavro-memory/gfx/Bench/18.bmp" ] || {
        echo "the maker did not make the set" >&2
        exit 1
    }
    game_kb=$(measure "$game")
    if [ "$run" -gt 0 ]; then  # run 0 warms the caches
        echo "$maker_kb" >>"$work/maker"
        echo "$game_kb" >>"$work/game"
    fi
done

maker_kb=$(median <"$work/maker")
game_kb=$(median <"$work/game")
awk -v mk="$maker_kb" -v gk="$game_kb" -v n="$runs" 'BEGIN {
    ratio = mk / gk
    printf "peak memory, median of %d runs: maker %.1f MiB for 18 photos of 6000 x 4000, " \
           "game start-up %.1f MiB; ratio %.2f (at most 2)\n", n, mk / 1024, gk / 1024, ratio
    exit ratio > 2 ? 1 : 0
}'
