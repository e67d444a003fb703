#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Checks that control runs one way between the game core and the windows, and that the facts they
# share have one home each:
# - the core (game/) runs no events, waits for nothing and opens no window: it reports outcomes
#   and asks for waits through BoardView, and the windows own the event loop;
# - a card set's file names (the back's "space.bmp", the faces' ".bmp") are spelled only in
#   game/CardSetLayout.h, in every source of the programs and tools (tests and benchmarks may
#   write sets of their own);
# - nothing but game/InputGate.h writes the input gate: whoever must keep input out holds it;
# - what the core calls in the main window opens no window and runs no events: it queues them
#   (check_core_calls.py);
# - the main window reads no game state back and keeps TForm1 in at most three sources.
# Usage: check_one_direction.sh <source folder>
set -uo pipefail
cd "$1" || exit 2

failures=0
# forbid <why> <pattern> <places...>: no C++ or CMake file there may match.
forbid() {
    local why=$1 pattern=$2 hits
    shift 2
    hits=$(grep -rnE --include='*.h' --include='*.cpp' --include='CMakeLists.txt' \
        --include='*.cmake' "$pattern" "$@" 2>/dev/null)
    if [ -n "$hits" ]; then
        printf '%s:\n%s\n\n' "$why" "$hits"
        failures=$((failures + 1))
    fi
}

# The sources of the programs and tools: every top-level folder but the tests and benchmarks.
program_folders=$(find . -mindepth 1 -maxdepth 1 -type d ! -name '.*' ! -name 'build*' \
    ! -name tests ! -name bench ! -name docs -printf '%P\n' | sort)
layout_home=game/CardSetLayout.h
# shellcheck disable=SC2086
other_sources=$(find $program_folders $(ls CMakeLists.txt 2>/dev/null) -type f \
    \( -name '*.h' -o -name '*.cpp' -o -name 'CMakeLists.txt' -o -name '*.cmake' \) \
    ! -path "$layout_home" | sort)

forbid 'the game core runs events, waits or opens a window (report an outcome or ask for a wait)' \
    'processEvents|processPendingEvents|runAfter|exec\(|sleep_for|sleep\(|QTimer' game
# shellcheck disable=SC2086
forbid "a card set's file names are spelled outside $layout_home" \
    'space\.bmp|"\.bmp"|\.bmp"\)' $other_sources
# shellcheck disable=SC2086
forbid 'the input gate is written directly (hold it with InputGate::Hold)' \
    '(InputState|inputState_?)[[:space:]]*=[^=]|std::uint8_t&[[:space:]]*inputState' \
    $(printf '%s\n' $other_sources | grep -vx 'game/InputGate.h')

# The main window learns how the game stands from the outcomes, never by reading the game back;
# and it keeps the board, the menus, the commands and the timers in at most three sources, each
# other concern in a class of its own.
forbid 'the main window reads the game state back (take it from the outcome)' 'state_\.Game\.' app
tform1_sources=$(grep -l 'TForm1::' app/*.cpp 2>/dev/null | wc -l)
if [ "$tform1_sources" -gt 3 ]; then
    printf 'TForm1 is spread over %s sources (at most 3):\n%s\n\n' "$tform1_sources" \
        "$(grep -l 'TForm1::' app/*.cpp)"
    failures=$((failures + 1))
fi

# Nor does a window open inside the core's call from the windows' side (app/): see the script.
python3 "$(dirname "$0")/check_core_calls.py" . || failures=$((failures + 1))

[ "$failures" -eq 0 ] && echo "the core reports, the windows decide; one home for the layout"
exit "$failures"
