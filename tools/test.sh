#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs what is missing, then builds and runs every test twice: a normal build with warnings
# as errors (build-test), and a build under AddressSanitizer and UndefinedBehaviorSanitizer
# (build-asan). The normal build is also packaged (tools/package.sh), and its ctest checks the
# package; its privilege-dropping tests also run from a build in a 0700 folder
# (tools/test-unprivileged.sh). Ends with the bounded fuzzing run. Fails on the first failure.
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
cmake -S . -B build-test -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTAVRO_WERROR=ON -DTAVRO_BENCH=ON
cmake --build build-test -j "$jobs"
step "package"
bash tools/package.sh build-test
step "tests"
ctest --test-dir build-test --output-on-failure -j "$test_jobs"
# The privilege-dropping tests once more, from a build inside a folder only root may enter.
step "privilege-dropping tests from a 0700 folder"
bash tools/test-unprivileged.sh

step "sanitizer build"
cmake -S . -B build-asan -G Ninja -DCMAKE_BUILD_TYPE=Debug -DTAVRO_WERROR=ON -DTAVRO_SANITIZE=ON
cmake --build build-asan -j "$jobs"
# The whole-game runs (a minute or more each, the screen reader's among them) play through the
# same code as the sanitized widget tests; they run in the normal build only, to keep the whole
# run within minutes.
step "sanitizer tests"
ctest --test-dir build-asan --output-on-failure -j "$test_jobs" -LE no-sanitizer \
    -E '^(e2e_full_game|e2e_keyboard_game|e2e_atspi_tree|e2e_cardmaker|e2e_two_games|e2e_orca|e2e_two_players|e2e_against_computer)$'

step "fuzzing"
bash tools/fuzz.sh
step "done"
