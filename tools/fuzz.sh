#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Configures and builds the fuzz build (TAVRO_FUZZ: clang with libFuzzer, AddressSanitizer and
# UndefinedBehaviorSanitizer over the game's own libraries) and runs its two targets: the Leads
# file, and the card pictures from a file's bytes to a drawn tile. Runs each for SECONDS seconds
# (default 30, or TAVRO_FUZZ_SECONDS) in a temporary working folder; TAVRO_FUZZ_RUNS=N runs the
# picture target for N inputs instead.
# Fails on a crash, a sanitizer report or a failed check.
# Usage: tools/fuzz.sh [SECONDS]
set -euo pipefail
cd "$(dirname "$0")/.."
root=$(pwd)
out="${TAVRO_FUZZ_BUILD:-$root/build-fuzz}"
seconds="${1:-${TAVRO_FUZZ_SECONDS:-30}}"

cmake -S "$root" -B "$out" -G Ninja --toolchain "$root/cmake/ClangToolchain.cmake" \
    -DTAVRO_FUZZ=ON -DTAVRO_TESTS=OFF -DCMAKE_BUILD_TYPE= -DCMAKE_CXX_FLAGS="-g -O1" >/dev/null
cmake --build "$out" --target leads_fuzz picture_fuzz >/dev/null
leads_fuzz="$out/tests/fuzz/leads_fuzz"
picture_fuzz="$out/tests/fuzz/picture_fuzz"

# shellcheck source=tests/fuzz/seeds.sh
source "$root/tests/fuzz/seeds.sh"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
write_leads_seeds "$work/corpus"
write_picture_seeds "$picture_fuzz" "$work/pictures"

cd "$work"
export ASAN_OPTIONS="detect_leaks=1:abort_on_error=0"
export LSAN_OPTIONS="suppressions=$root/tests/lsan.supp:print_suppressions=0"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
log="$out/leads_fuzz.log"
if ! "$leads_fuzz" -max_total_time="$seconds" -max_len=400 -artifact_prefix="$out/" \
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
if ! QT_QPA_PLATFORM=offscreen "$picture_fuzz" "${picture_limit[@]}" -max_len=4096 \
    -rss_limit_mb=2048 -artifact_prefix="$out/picture-" pictures >"$log" 2>&1; then
    tail -n 60 "$log"
    echo "Picture fuzzing FAILED; the failing input is kept in $out"
    exit 1
fi
echo "Picture fuzzing found no failure: $(grep -E '^Done [0-9]+ runs' "$log" || echo 'no summary')"
