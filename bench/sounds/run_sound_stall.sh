#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Sound-stall benchmark: the game with PULSE_SERVER pointing at a listener on the loopback that
# accepts connections and never answers. The player turns the sounds on (Play > Sounds) and turns
# a card, then, once it is seen face up, two more (and again with the sounds stored on); the script reports the longest time the
# window's event loop stood still in the run up to F10, and the time from F10 until the process
# has ended. For comparison, the same with the sounds left off (the baseline of this run, whose
# longest stall is the start-up's own).
# Usage: run_sound_stall.sh <build folder>
set -euo pipefail
build=$(realpath "$1")
here=$(dirname "$(realpath "$0")")
# shellcheck source=tests/e2e/xvfb.sh
source "$here/../../tests/e2e/xvfb.sh"

program="$build/TavroMemoryStallProbe"
[ -x "$program" ] || {
    echo "missing $program: build TavroMemoryStallProbe" >&2
    exit 2
}

start_session
# A sound server that accepts every connection and never answers, for at most 300 s.
start_silent_sound_server 300

now_ms() { echo $(($(date +%s%N) / 1000000)); }
last_stall() { sed -n 's/.*longest stall \([0-9]*\) ms/\1/p' "$work/program.log" | tail -n1; }

# One run; $1 is "on" to turn the sounds on first, "stored" to start with them on. Prints
# "<longest stall> <F10 to exit>" (ms).
one_run() {
    write_settings animals 2000
    [ "$1" != stored ] ||
        printf 'Tavro\\Tavro%%20Memory\\sounds=on\n' >>"$XDG_CONFIG_HOME/Tavro/Tavro Memory.ini"
    run_game "$program" "$work/play-$1"
    focus_main_window
    sleep 1
    local face_down
    face_down=$(screen_tile_digest 1)
    [ "$1" != on ] || xdotool key --delay 100 alt+p u
    click_tile 1
    # Seen face up once the window has handled the click (up to 60 s: a freeze is measured too).
    tile_turned() { [ "$(screen_tile_digest 1)" != "$face_down" ]; }
    wait_for 60 tile_turned || fail "tile 1 did not turn"
    # Two more cards, whose sounds Qt Multimedia would play on a device it tries to reach again.
    click_tile 2
    sleep 1
    click_tile 3
    sleep 2
    local stall start
    stall=$(last_stall)
    start=$(now_ms)
    xdotool key F10
    wait_for_exit 90 "$app_pid" || fail "the program did not end"
    echo "$stall $(($(now_ms) - start))"
}

read -r off_stall off_exit < <(one_run off)
read -r on_stall on_exit < <(one_run on)
echo "sounds off: longest stall ${off_stall} ms, F10 to exit ${off_exit} ms"
echo "sounds on, server never answers: longest stall ${on_stall} ms, F10 to exit ${on_exit} ms"
read -r stored_stall stored_exit < <(one_run stored)
echo "sounds stored on, server never answers: longest stall ${stored_stall} ms," \
    "F10 to exit ${stored_exit} ms"
