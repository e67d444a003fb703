# SPDX-License-Identifier: GPL-3.0-or-later
# Sourced by the end-to-end runs of a game of two (two players, or one against the computer),
# after xvfb.sh: who plays in the settings the program starts with, whose turn the bottom line
# marks, the window at the end of the game, and leads.dat, which such a game leaves alone.
# shellcheck shell=bash

# Sets up board_play.sh (sourced after this) to turn cards by clicks and read them quickly.
play_by_quick_clicks() {
    shot="$work/screen.png"
    digest_of() { screen_tile_digest "$1"; }
    turn_tile() { click_tile "$1"; }
    card_back=$(digest_of 36)
}

# Adds the "&Play" menu's settings to those write_settings wrote: key=value pairs.
add_play_settings() {
    local pair
    for pair in "$@"; do
        printf 'Tavro\\Tavro%%20Memory\\%s\n' "$pair" >>"$XDG_CONFIG_HOME/Tavro/Tavro Memory.ini"
    done
}

# How many pixels of the "►" before player $1's name (1 or 2) are blue: none unless it is that
# player's turn. The halves of the line start at the board's left edge and 223 pixels further.
marker_pixels() {
    local left=$((X + 32 + ($1 - 1) * 223)) top=$((Y + menu_height + 462))
    import -window root "$work/line.png"
    convert "$work/line.png" -crop "22x29+${left}+${top}" +repage -alpha off -fill black \
        +opaque '#0000FF' -fill white -opaque '#0000FF' -format '%[fx:round(mean*w*h)]' info:
}

# Succeeds when the bottom line marks player $1 (1 or 2), and only that player.
marks_turn_of() {
    [ "$(marker_pixels "$1")" -gt 20 ] && [ "$(marker_pixels $((3 - $1)))" -eq 0 ]
}

# The window at the end of a game of two (its caption is the program's name alone).
end_message_window() { xdotool search --onlyvisible --name '^Tavro Memory$' | head -n 1 | grep .; }

# Waits for the end's window, checks that its heading says $1 (selected by a triple click near
# the heading's start, at the window's top left, and read from the primary selection), and closes
# it with the key $2: Escape (Close, the default) or Return (Play again, a new deal).
expect_end_message() {
    local text message X Y WIDTH HEIGHT SCREEN
    wait_for 15 end_message_window || fail "no window at the end of the game"
    message=$(end_message_window)
    eval "$(xdotool getwindowgeometry --shell "$message")"
    xdotool mousemove --sync $((X + 40)) $((Y + 20)) click --repeat 3 --delay 80 1
    sleep 0.3
    text=$(timeout 5 xclip -o -selection primary -t UTF8_STRING) ||
        fail "the end's heading could not be selected"
    [ "$text" = "$1" ] || fail "the end's window says \"$text\", expected \"$1\""
    xdotool windowfocus --sync "$message"
    xdotool key "${2:-Escape}"
    wait_for 10 end_message_window_gone || fail "the end's window did not close"
}
end_message_window_gone() { ! end_message_window; }

# The message for final scores $1 (the first player, named $3) and $2 (the second, named $4, or
# the computer when $4 is empty).
end_text() {
    if [ "$1" -gt "$2" ]; then
        echo "$3 wins, $1 to $2."
    elif [ "$1" -lt "$2" ] && [ -z "$4" ]; then
        echo "The computer wins, $2 to $1."
    elif [ "$1" -lt "$2" ]; then
        echo "$4 wins, $2 to $1."
    else
        echo "A draw, $1 each."
    fi
}
