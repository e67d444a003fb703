#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# End-to-end run of the real program under Xvfb on a screen too small for its designed size: at a
# scale of 2 a 1024 x 768 screen is 512 x 384 to the program, and the main window shrinks its
# board until it fits, menu bar included, so that every card can be reached.
# Usage: small_screen_e2e.sh <path of TavroMemory>
set -euo pipefail
program=$(realpath "$1")
here=$(dirname "$(realpath "$0")")
# shellcheck source=tests/e2e/xvfb.sh
source "$here/xvfb.sh"

XVFB_SCREEN=1024x768x24 start_session
export QT_SCALE_FACTOR=2
run_game "$program"
if [ "$X" -lt 0 ] || [ "$Y" -lt 0 ] || [ $((X + WIDTH)) -gt 1024 ] || [ $((Y + HEIGHT)) -gt 768 ]; then
    fail "window of $WIDTH x $HEIGHT at $X, $Y runs past the 1024 x 768 screen"
fi
[ "$WIDTH" -lt 1000 ] || fail "window width $WIDTH: the board did not shrink"
echo "main window of $WIDTH x $HEIGHT at $X, $Y"
