#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# End-to-end run of the real program under Xvfb: starts TavroMemory from the build tree in an
# empty working folder with the settings store redirected to temporary folders, turns cards with
# real mouse clicks, checks on a screenshot that a card shows its face and that F3 shows the
# Leads rows, ends the program with F10, and checks what it left behind: the default 152-byte
# "leads.dat" and the saved settings.
# Usage: play_e2e.sh <path of TavroMemory>
set -euo pipefail
program=$(realpath "$1")
here=$(dirname "$(realpath "$0")")
# shellcheck source=tests/e2e/xvfb.sh
source "$here/xvfb.sh"

start_session
run_game "$program"
[ "$WIDTH" -eq 500 ] || fail "window width $WIDTH, expected 500"
[ "$menu_height" -gt 0 ] || fail "no menu bar above the 505-pixel board"

shot="$work/screen.png"
import -window root "$shot"
[ "$(tile_digest "$shot" 1)" = "$(tile_digest "$shot" 36)" ] || fail "cards differ before any click"

click_tile 1
face_up=""
for _ in $(seq 1 50); do
    import -window root "$shot"
    if [ "$(tile_digest "$shot" 1)" != "$(tile_digest "$shot" 36)" ]; then
        face_up=yes
        break
    fi
    sleep 0.1
done
[ -n "$face_up" ] || fail "tile 1 still shows the card back after the click"
[ "$(tile_digest "$shot" 35)" = "$(tile_digest "$shot" 36)" ] ||
    fail "untouched tiles 35 and 36 differ"
click_tile 2
sleep 1  # past the mismatch delay, if the two did not match

# F3 shows the Leads dialog with its rows: place 1 ("1", "none", "0") is drawn in red.
red_pixels() {
    import -window root "$shot"
    convert "$shot" -alpha off -fuzz 20% -fill black +opaque '#FF0000' -fill white -opaque '#FF0000' \
        -format '%[fx:round(mean*w*h)]' info:
}
red_before=$(red_pixels)
focus_main_window
xdotool key F3
red_rows=""
for _ in $(seq 1 50); do
    if [ "$(red_pixels)" -gt "$((red_before + 20))" ]; then
        red_rows=yes
        break
    fi
    sleep 0.1
done
[ -n "$red_rows" ] || fail "the Leads dialog shows no red first row"
leads_window=$(xdotool search --onlyvisible --name '^Leads$' | head -n 1)
[ -n "$leads_window" ] || fail "no Leads window"
xdotool windowfocus "$leads_window"
xdotool key Escape
leads_closed() { [ -z "$(xdotool search --onlyvisible --name '^Leads$')" ]; }
wait_for 10 leads_closed || fail "Escape did not close the Leads dialog"

focus_main_window
xdotool key F10
wait_for_exit 10 "$app_pid" || fail "F10 did not end the program"
[ "$exit_status" -eq 0 ] ||
    { cat "$work/program.log" >&2; fail "the program ended with code $exit_status"; }

# The default Leads image: ten slots of length 4 "none" and six zero bytes, the two filler
# bytes and ten zero scores.
cd "$work/play"
expected="$work/expected_leads.dat"
: >"$expected"
for _ in $(seq 1 10); do
    printf '\x04none\x00\x00\x00\x00\x00\x00' >>"$expected"
done
head -c 42 /dev/zero >>"$expected"
cmp -s "$expected" leads.dat || {
    echo "leads.dat:" >&2
    xxd leads.dat >&2 || true
    fail "leads.dat is not the default 152-byte table"
}

settings=$(saved_settings) || fail "no settings file was written"
for key in cards delay path; do
    grep -Eq "(^|[\\/])${key}=" "$settings" || { cat "$settings" >&2; fail "settings lack \"$key\""; }
done
[ "$(setting_value cards "$settings")" = animals ] || fail "settings: cards is not animals"
[ "$(setting_value delay "$settings")" = 500 ] || fail "settings: delay is not 500"
echo "e2e: window ${WIDTH}x${HEIGHT}, a card turned face up, F10 saved and ended the program"
