#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Takes the README's pictures of the card sizes: the real program under Xvfb on a 1920 x 1080
# screen at the normal size, at 200 % and fitted to the screen, each with a few cards turned,
# photographed whole-screen so that they show how much of it the board covers, then reduced to
# half size for the page: docs/size-normal.png, docs/size-200.png, docs/size-fit.png.
# Usage: tools/take_size_screenshots.sh <path of TavroMemory> <output folder>
set -euo pipefail
program=$(realpath "$1")
out=$(realpath "$2")
here=$(dirname "$(realpath "$0")")
# shellcheck source=tests/e2e/xvfb.sh
source "$here/../tests/e2e/xvfb.sh"
# shellcheck source=tests/e2e/play_modes.sh
source "$here/../tests/e2e/play_modes.sh"

# One picture: card size $1 (a word of the settings, or empty for the normal size), file $2.
photograph() {
    (
        XVFB_SCREEN=1920x1080x24 start_session
        write_settings animals 2000
        [ -z "$1" ] || add_play_settings "cardsize=$1"
        run_game "$program"
        sleep 1  # the window takes its size on its screen once shown
        wait_for_main_window
        board_percent=$((WIDTH * 100 / 500))
        wait_for_main_window  # the menu bar's height, at that size
        click_tile 8
        click_tile 15
        import -window root "$work/screen.png"
        convert "$work/screen.png" -resize 50% "$out/$2"
        kill "$app_pid"
    )
}

photograph "" size-normal.png
photograph 200 size-200.png
photograph fit size-fit.png
