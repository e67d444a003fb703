#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs what is missing, then builds and tests twice, with warnings as errors: a normal build
# (build-test) of the programs, packaged (tools/package.sh), whose ctest runs the end-to-end,
# package and structure runs; and a build under AddressSanitizer and UndefinedBehaviorSanitizer
# (build-asan), whose ctest runs the unit and widget tests and the shorter end-to-end runs. The
# privilege-dropping tests also run from a build in a 0700 folder (tools/test-unprivileged.sh).
# The bounded fuzzing run goes with the sanitizer build. Fails on the first failure.
# Most of the compile time is the parsing of Qt's headers, so the builds here are unity builds
# (each library's sources compiled a few to a unit), which also keeps names that two files of one
# library define for themselves apart; and they keep line tables only (-g1), which is all a
# failure's stack trace needs, at a good part less compile and link time than full debug
# information.
set -euo pipefail
cd "$(dirname "$0")/.."
bash tools/install-deps.sh

jobs=$(nproc)
# The end-to-end runs spend most of their time waiting for the game's delays, so one more test
# than there are cores runs at a time; the runs that need the machine alone are RUN_SERIAL.
test_jobs=$((jobs + 1))

# Each step's elapsed time, so that a slow step shows in the log.
started=$SECONDS
step() { echo "== $1 ($((SECONDS - started)) s since the start)"; }

# The committed .clang-format is followed by every C++ file.
step "format check"
git ls-files '*.cpp' '*.h' | xargs clang-format --dry-run --Werror

step "normal build"
cmake -S . -B build-test -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTAVRO_WERROR=ON -DTAVRO_BENCH=ON \
    -DTAVRO_UNIT_TESTS=OFF "-DCMAKE_CXX_FLAGS_RELWITHDEBINFO=-O2 -g1 -DNDEBUG" -DCMAKE_UNITY_BUILD=ON
cmake --build build-test -j "$jobs"
step "package"
bash tools/package.sh build-test

# The end-to-end runs spend most of their time waiting for the game's delays and the screen, so
# the sanitizer build, the 0700 build of the privilege-dropping tests and the fuzzing run go
# beside them, at the lowest priority, into a log of their own (shown when they fail).
step "end-to-end, package and structure tests, with the sanitizer build beside them"
background_log=$(mktemp)
# In a process group of its own, so that a failure in the foreground stops all of it.
setsid nice -n 19 bash -c '
    set -euo pipefail
    cmake -S . -B build-asan -G Ninja -DCMAKE_BUILD_TYPE=Debug -DCMAKE_CXX_FLAGS_DEBUG=-g1 \
        -DTAVRO_WERROR=ON -DTAVRO_SANITIZE=ON -DCMAKE_UNITY_BUILD=ON
    cmake --build build-asan -j "$1"
    # The privilege-dropping tests once more, from a build inside a folder only root may enter.
    bash tools/test-unprivileged.sh -DCMAKE_UNITY_BUILD=ON
    bash tools/fuzz.sh' background "$jobs" >"$background_log" 2>&1 &
background=$!
if ! ctest --test-dir build-test --output-on-failure -j "$test_jobs" -R '^(e2e|package|structure)_'; then
    kill -- "-$background" 2>/dev/null || true
    exit 1
fi
step "waiting for the sanitizer build, the privilege-dropping tests and the fuzzing"
if ! wait "$background"; then
    tail -n 200 "$background_log"
    echo "the sanitizer build, the privilege-dropping tests or the fuzzing FAILED"
    exit 1
fi
tail -n 30 "$background_log"

# The whole-game runs (a minute or more each, the screen reader's among them) play through the
# same code as the sanitized widget tests; they run in the normal build only, to keep the whole
# run within minutes.
step "sanitizer tests"
ctest --test-dir build-asan --output-on-failure -j "$test_jobs" -LE no-sanitizer \
    -E '^(e2e_full_game|e2e_keyboard_game|e2e_atspi_tree|e2e_cardmaker|e2e_two_games|e2e_orca|e2e_statistics|e2e_two_players|e2e_against_computer)$'
step "done"
