#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Takes the README's pictures of the real program under Xvfb: docs/board.png (a fresh deal) and
# docs/game.png (a game in progress: some pairs found, one card waiting for its partner).
# Usage: tools/take_screenshots.sh <path of TavroMemory> <output folder>
set -euo pipefail
program=$(realpath "$1")
out=$(realpath "$2")
here=$(dirname "$(realpath "$0")")
# shellcheck source=tests/e2e/xvfb.sh
source "$here/../tests/e2e/xvfb.sh"

start_session
# A long delay, so that a pair that does not match can be photographed before it turns back.
write_settings animals 1500
run_game "$program"
sleep 0.5
import -window "$window" "$out/board.png"

# Turn the first twelve cards two by two and remember what each shows.
declare -A face
for first in 1 3 5 7 9 11; do
    click_tile "$first"
    click_tile $((first + 1))
    sleep 0.3
    import -window root "$work/shot.png"
    face[$first]=$(tile_digest "$work/shot.png" "$first")
    face[$((first + 1))]=$(tile_digest "$work/shot.png" $((first + 1)))
    sleep 1.5
done
# Find the pairs among them that are still face down, and turn them up.
for a in $(seq 1 12); do
    for b in $(seq $((a + 1)) 12); do
        if [ "${face[$a]}" = "${face[$b]}" ] && [ $(((a + 1) / 2)) -ne $(((b + 1) / 2)) ]; then
            click_tile "$a"
            click_tile "$b"
            sleep 0.2
        fi
    done
done
click_tile 20  # one card waiting for its partner
sleep 0.5
import -window "$window" "$out/game.png"
focus_main_window
xdotool key F10
