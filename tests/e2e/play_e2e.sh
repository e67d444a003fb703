#!/usr/bin/env bash
# End-to-end run of the real program under Xvfb: starts TavroMemory from the build tree in an
# empty working folder with the settings store redirected to temporary folders, turns cards with
# real mouse clicks, checks on a screenshot that a card shows its face, ends the program with
# F10, and checks what it left behind: the default 152-byte "leads.dat" and the saved settings.
# Usage: play_e2e.sh <path of TavroMemory>
set -euo pipefail
program=$(realpath "$1")
here=$(dirname "$(realpath "$0")")
source "$here/xvfb.sh"

work=$(mktemp -d)
cleanup_work() { stop_xvfb; rm -rf "$work"; }
fail() { echo "FAIL: $*" >&2; exit 1; }

start_xvfb
trap cleanup_work EXIT
mkdir -p "$work/play" "$work/home" "$work/user" "$work/system" "$work/runtime"
chmod 700 "$work/runtime"
export HOME="$work/home" XDG_CONFIG_HOME="$work/user" XDG_CONFIG_DIRS="$work/system"
export XDG_RUNTIME_DIR="$work/runtime" QT_QPA_PLATFORM=xcb
unset TAVRO_EXIT_AFTER_FIRST_PAINT

cd "$work/play"
"$program" >"$work/program.log" 2>&1 &
app_pid=$!
extra_pids+=("$app_pid")

window=$(timeout 20 xdotool search --sync --onlyvisible --name "^Tavro Memory: " | head -n 1) ||
    fail "the main window did not appear"
[ -n "$window" ] || fail "the main window did not appear"
eval "$(xdotool getwindowgeometry --shell "$window")"  # X, Y, WIDTH, HEIGHT
[ "$WIDTH" -eq 500 ] || fail "window width $WIDTH, expected 500"
menu_height=$((HEIGHT - 505))
[ "$menu_height" -gt 0 ] || fail "no menu bar above the 505-pixel board"

# Tile k (1..36): its picture's top left corner and centre on the screen.
tile_left() { echo $((X + 32 + 72 * (($1 - 1) % 6) + 5)); }
tile_top() { echo $((Y + menu_height + 24 + 72 * (($1 - 1) / 6) + 5)); }
click_tile() {
    xdotool mousemove --sync "$(($(tile_left "$1") + 30))" "$(($(tile_top "$1") + 30))" click 1
}
# The pixels of tile k's picture in a screenshot, as a digest.
tile_digest() {
    convert "$1" -crop "60x60+$(tile_left "$2")+$(tile_top "$2")" +repage -depth 8 txt:- |
        tail -n +2 | awk '{print $3}' | md5sum | cut -d' ' -f1
}

shot="$work/screen.png"
import -window root "$shot"
[ "$(tile_digest "$shot" 1)" = "$(tile_digest "$shot" 36)" ] || fail "cards differ before any click"

click_tile 1
face_up=""
for attempt in $(seq 1 50); do
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

xdotool windowfocus --sync "$window"
xdotool key F10
for attempt in $(seq 1 100); do
    kill -0 "$app_pid" 2>/dev/null || break
    sleep 0.1
done
if kill -0 "$app_pid" 2>/dev/null; then
    fail "F10 did not end the program"
fi
status=0
wait "$app_pid" || status=$?
extra_pids=()
[ "$status" -eq 0 ] || { cat "$work/program.log" >&2; fail "the program ended with code $status"; }

# The default Leads image: ten slots of length 4 "none" and six zero bytes, the two filler
# bytes and ten zero scores.
expected="$work/expected_leads.dat"
: >"$expected"
for place in $(seq 1 10); do
    printf '\x04none\x00\x00\x00\x00\x00\x00' >>"$expected"
done
head -c 42 /dev/zero >>"$expected"
cmp -s "$expected" leads.dat || {
    echo "leads.dat:" >&2
    xxd leads.dat >&2 || true
    fail "leads.dat is not the default 152-byte table"
}

settings=""
for candidate in "$work/system/Tavro/Tavro Memory.ini" "$work/user/Tavro/Tavro Memory.ini"; do
    [ -f "$candidate" ] && settings="$candidate"
done
[ -n "$settings" ] || fail "no settings file was written"
for key in cards delay path; do
    grep -Eq "(^|[\\/])${key}=" "$settings" || { cat "$settings" >&2; fail "settings lack \"$key\""; }
done
grep -Eq '(^|[\/])cards=animals$' "$settings" || fail "settings: cards is not animals"
grep -Eq '(^|[\/])delay=500$' "$settings" || fail "settings: delay is not 500"
echo "e2e: window ${WIDTH}x${HEIGHT}, a card turned face up, F10 saved and ended the program"
