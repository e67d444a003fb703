#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Card sizes benchmark: the time from process start to the first painted board and the memory
# once it shows (max RSS: the benchmark build quits after its first paint) of the game at Normal
# and at 300 %, each as a ratio to startup_baseline, alternately in the same run under one Xvfb
# server of 1600 x 1600 (where 300 % fits). Given a second build folder (of an earlier version of
# the game, with its own TavroMemoryFirstPaint), its game at Normal is measured beside them.
# Prints the medians and their ratios; fails when Normal needs more than 1.05 times the earlier
# version's time or memory ratio (when one is given), or 300 % more than 1.5 times Normal's.
# Usage: run_card_sizes.sh <build folder> [earlier build folder] [runs]
set -euo pipefail
build=$(realpath "$1")
earlier=${2:+$(realpath "$2")}
runs=${3:-11}
here=$(dirname "$(realpath "$0")")
# shellcheck source=tests/e2e/xvfb.sh
source "$here/../../tests/e2e/xvfb.sh"

program="$build/TavroMemoryFirstPaint"
baseline="$build/bench/startup/startup_baseline"
card_back="$build/gfx/animals/space.bmp"
for file in "$program" "$baseline" "$card_back" ${earlier:+"$earlier/TavroMemoryFirstPaint"}; do
    [ -e "$file" ] || {
        echo "missing $file: build TavroMemoryFirstPaint and startup_baseline" >&2
        exit 2
    }
done

XVFB_SCREEN=1600x1600x24 start_session
mkdir -p "$work/play" "$XDG_CONFIG_HOME/Tavro"
cd "$work/play"
settings="$XDG_CONFIG_HOME/Tavro/Tavro Memory.ini"

# One run at card size $1 ("" for Normal): prints "<milliseconds> <max RSS in KiB>".
measure() {
    local size=$1 start end
    shift
    if [ -n "$size" ]; then
        printf '[Software]\nTavro\\Tavro%%20Memory\\cardsize=%s\n' "$size" >"$settings"
    else
        rm -f "$settings"
    fi
    start=$(date +%s%N)
    /usr/bin/time -f '%M' -o "$work/rss" "$@" >/dev/null 2>&1
    end=$(date +%s%N)
    echo "$(((end - start) / 1000000)) $(cat "$work/rss")"
}

median() { sort -n | awk '{v[NR] = $1} END {print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2}'; }

kinds=(base normal large)
[ -z "$earlier" ] || kinds+=(earlier)
one_run() {
    case $1 in
        base) measure "" "$baseline" "$card_back" ;;
        normal) measure "" "$program" ;;
        large) measure 300 "$program" ;;
        earlier) measure "" "$earlier/TavroMemoryFirstPaint" ;;
    esac
}
for kind in "${kinds[@]}"; do
    : >"$work/$kind"
    one_run "$kind" >/dev/null  # warm-up
done
for _ in $(seq 1 "$runs"); do
    for kind in "${kinds[@]}"; do
        one_run "$kind" >>"$work/$kind"
    done
done

declare -A ms kb
for kind in "${kinds[@]}"; do
    ms[$kind]=$(cut -d' ' -f1 "$work/$kind" | median)
    kb[$kind]=$(cut -d' ' -f2 "$work/$kind" | median)
done
awk -v n="$runs" -v bm="${ms[base]}" -v bk="${kb[base]}" -v nm="${ms[normal]}" \
    -v nk="${kb[normal]}" -v lm="${ms[large]}" -v lk="${kb[large]}" \
    -v em="${ms[earlier]:-0}" -v ek="${kb[earlier]:-0}" 'BEGIN {
    printf "medians of %d runs, ratios to the bare Qt baseline (%.1f ms, %d KiB):\n", n, bm, bk
    printf "  Normal: %.1f ms (%.3f), %d KiB (%.3f)\n", nm, nm / bm, nk, nk / bk
    printf "  300 %%:  %.1f ms (%.3f), %d KiB (%.3f)\n", lm, lm / bm, lk, lk / bk
    ok = lm / nm <= 1.5 && lk / nk <= 1.5
    if (em > 0) {
        printf "  earlier version at Normal: %.1f ms (%.3f), %d KiB (%.3f)\n", em, em / bm, ek, ek / bk
        ok = ok && nm / em <= 1.05 && nk / ek <= 1.05
    }
    exit ok ? 0 : 1
}'
