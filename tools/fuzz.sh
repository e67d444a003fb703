#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the fuzz targets with libFuzzer (clang++, AddressSanitizer and
# UndefinedBehaviorSanitizer): the Leads file, and the card pictures from a file's bytes to a
# drawn tile. Runs each for SECONDS seconds (default 30, or TAVRO_FUZZ_SECONDS) in a temporary
# working folder; TAVRO_FUZZ_RUNS=N runs the picture target for N inputs instead.
# Fails on a crash, a sanitizer report or a failed check.
# Usage: tools/fuzz.sh [SECONDS]
set -euo pipefail
cd "$(dirname "$0")/.."
root=$(pwd)
out="${TAVRO_FUZZ_BUILD:-$root/build-fuzz}"
seconds="${1:-${TAVRO_FUZZ_SECONDS:-30}}"
mkdir -p "$out"

# shellcheck disable=SC2046
clang++ -std=c++20 -g -O1 -fPIC -fsanitize=fuzzer,address,undefined \
    -fno-sanitize-recover=undefined -I"$root" $(pkg-config --cflags Qt6Core) \
    "$root"/scores/Leads*.cpp "$root"/files/SafeFile.cpp "$root"/tests/fuzz/LeadsFuzz.cpp \
    $(pkg-config --libs Qt6Core) -o "$out/leads_fuzz"

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir "$work/corpus"
# Seeds: a default table with a short name, and a table with a tie, each with a score in front.
printf '\x20\x03\x00\x00\x03Ann' >"$work/corpus/short"
{
    printf '\x20\x03\x00\x00\x03Bob'
    for _ in 1 2 3 4 5 6 7 8 9 10; do printf '\x04none\x00\x00\x00\x00\x00\x00'; done
    printf '\x00\x00\xe8\x03\x00\x00\x20\x03\x00\x00\x20\x03\x00\x00\xf4\x01\x00\x00'
    for _ in 1 2 3 4 5 6; do printf '\x00\x00\x00\x00'; done
} >"$work/corpus/tie"

# The picture target: header check, decoding and drawing need QtGui, no window system.
# shellcheck disable=SC2046
clang++ -std=c++20 -g -O1 -fPIC -fsanitize=fuzzer,address,undefined \
    -fno-sanitize-recover=undefined -I"$root" -I"$root/tests" $(pkg-config --cflags Qt6Gui) \
    "$root"/settings/BitmapHeader.cpp "$root"/settings/RleCheck.cpp \
    "$root"/settings/BitfieldDecode.cpp "$root"/settings/BitmapDecode.cpp \
    "$root"/settings/BitmapStream.cpp "$root"/tests/fuzz/PictureFuzz.cpp \
    $(pkg-config --libs Qt6Gui) -o "$out/picture_fuzz"
# Its seeds, small pictures of every kind the game reads, are written by the target itself.
TAVRO_PICTURE_SEEDS="$work/pictures" "$out/picture_fuzz"

cd "$work"
export ASAN_OPTIONS="detect_leaks=1:abort_on_error=0"
export LSAN_OPTIONS="suppressions=$root/tests/lsan.supp:print_suppressions=0"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
log="$out/leads_fuzz.log"
if ! "$out/leads_fuzz" -max_total_time="$seconds" -max_len=400 -artifact_prefix="$out/" \
    corpus >"$log" 2>&1; then
    tail -n 60 "$log"
    echo "Leads fuzzing FAILED; the failing input is kept in $out"
    exit 1
fi
echo "Leads fuzzing found no failure: $(grep -E '^Done [0-9]+ runs' "$log" || echo 'no summary')"

if [ -n "${TAVRO_FUZZ_RUNS:-}" ]; then
    picture_limit=(-runs="$TAVRO_FUZZ_RUNS")
else
    picture_limit=(-max_total_time="$seconds")
fi
log="$out/picture_fuzz.log"
if ! QT_QPA_PLATFORM=offscreen "$out/picture_fuzz" "${picture_limit[@]}" -max_len=4096 \
    -rss_limit_mb=2048 -artifact_prefix="$out/picture-" pictures >"$log" 2>&1; then
    tail -n 60 "$log"
    echo "Picture fuzzing FAILED; the failing input is kept in $out"
    exit 1
fi
echo "Picture fuzzing found no failure: $(grep -E '^Done [0-9]+ runs' "$log" || echo 'no summary')"
