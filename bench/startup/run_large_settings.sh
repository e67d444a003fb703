#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Settings-file benchmark: a per-user settings file of hundreds of megabytes (sparse: it takes
# no disk space) against a normal one, alternately in the same run. Measures the whole-process
# time and peak memory (max RSS) of start-up to the first painted board (TavroMemoryFirstPaint,
# under Xvfb) and of a save (the settings test's probe, as when the game ends). Prints the
# medians and the ratios huge/normal; fails when a ratio exceeds 1.5.
# Usage: run_large_settings.sh <build folder> [runs] [size in MiB]
set -euo pipefail
build=$(realpath "$1")
runs=${2:-7}
mebibytes=${3:-400}
here=$(dirname "$(realpath "$0")")
source "$here/../../tests/e2e/xvfb.sh"

program="$build/TavroMemoryFirstPaint"
probe="$build/tests/settings/settings_probe"
for file in "$program" "$probe"; do
    [ -e "$file" ] || {
        echo "missing $file: build TavroMemoryFirstPaint and settings_probe" >&2
        exit 2
    }
done

# The session's settings folders are set per run below (start_up).
start_session
mkdir -p "$work/play"
cd "$work/play"

values='[Software]
Tavro\Tavro%20Memory\cards=animals
Tavro\Tavro%20Memory\delay=500
'
# A fresh per-user file of the kind ("normal" or "huge") in its own store, whose per-machine
# file is a folder, so that a save goes to the per-user file; prints the store.
store() {
    local folder="$work/$1"
    rm -rf "$folder" && mkdir -p "$folder/user/Tavro" "$folder/system/Tavro/Tavro Memory.ini"
    printf '%s' "$values" >"$folder/user/Tavro/Tavro Memory.ini"
    [ "$1" = huge ] && truncate -s "${mebibytes}M" "$folder/user/Tavro/Tavro Memory.ini"
    echo "$folder"
}

# One run: prints "<milliseconds> <max RSS in KiB>".
measure() {
    local start end
    start=$(date +%s%N)
    /usr/bin/time -f '%M' -o "$work/rss" "$@" >/dev/null 2>&1
    end=$(date +%s%N)
    echo "$(((end - start) / 1000000)) $(cat "$work/rss")"
}

start_up() {
    local folder
    folder=$(store "$1")
    XDG_CONFIG_HOME="$folder/user" XDG_CONFIG_DIRS="$folder/system" measure "$program"
}

save() {
    local folder
    folder=$(store "$1")
    measure "$probe" "$folder/user" "$folder/system" save animals 500
}

median() { sort -n | awk '{v[NR] = $1} END {print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2}'; }

for kind in normal huge; do
    start_up $kind >/dev/null
    for what in start_up save; do : >"$work/$what.$kind"; done
done
for _ in $(seq 1 "$runs"); do
    for kind in normal huge; do
        start_up $kind >>"$work/start_up.$kind"
        save $kind >>"$work/save.$kind"
    done
done

status=0
for what in start_up save; do
    nm=$(cut -d' ' -f1 "$work/$what.normal" | median)
    hm=$(cut -d' ' -f1 "$work/$what.huge" | median)
    nk=$(cut -d' ' -f2 "$work/$what.normal" | median)
    hk=$(cut -d' ' -f2 "$work/$what.huge" | median)
    awk -v what="$what" -v nm="$nm" -v hm="$hm" -v nk="$nk" -v hk="$hk" -v n="$runs" \
        -v size="$mebibytes" 'BEGIN {
        printf "%s, median of %d runs: %d MiB settings file %.1f ms, normal %.1f ms, ratio %.3f; peak memory %d KiB, normal %d KiB, ratio %.3f\n", what, n, size, hm, nm, hm / nm, hk, nk, hk / nk
        exit (hm / nm <= 1.5 && hk / nk <= 1.5) ? 0 : 1
    }' || status=1
done
exit $status
