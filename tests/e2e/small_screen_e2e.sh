#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# End-to-end run of the real program under Xvfb on a screen too small for its window: at a
# scale of 2 the main window is 1000 device pixels wide and taller than the 1024 of the screen,
# so it keeps its size and starts at the screen's top left, its menu bar in reach.
# Usage: small_screen_e2e.sh <path of TavroMemory>
set -euo pipefail
program=$(realpath "$1")
here=$(dirname "$(realpath "$0")")
# shellcheck source=tests/e2e/xvfb.sh
source "$here/xvfb.sh"

XVFB_SCREEN=1280x1024x24 start_session
export QT_SCALE_FACTOR=2
run_game "$program"
[ "$WIDTH" -eq 1000 ] || fail "window width $WIDTH, expected 1000"
[ "$HEIGHT" -gt 1024 ] || fail "window height $HEIGHT: it should not fit the 1024-pixel screen"
[ "$X" -eq 0 ] && [ "$Y" -eq 0 ] || fail "window at $X, $Y, expected at the top left"
echo "main window of $WIDTH x $HEIGHT at $X, $Y"
