#!/usr/bin/env bash
# End-to-end run of the Options dialog in the real program under Xvfb: open it from the menu
# with Alt+O, pick another card set and move the slider with the keyboard, close it with Escape,
# check that the new deal shows the new set's card back, leave with F10, and check that the
# saved "cards" and "delay" are the new values.
#
# Usage: options_e2e.sh <path to TavroMemory>
# The program runs from a copy in a temporary folder, with its own "gfx" sets (solid-colour
# pictures) and with HOME and the XDG folders redirected, so no real settings are touched.
set -euo pipefail

program=${1:?usage: options_e2e.sh <TavroMemory>}
for tool in Xvfb xdotool convert import; do
    if ! command -v "$tool" >/dev/null; then
        echo "SKIP: $tool is not installed"
        exit 77
    fi
done

work=$(mktemp -d)
xvfb_pid=
game_pid=
cleanup() {
    [ -n "$game_pid" ] && kill "$game_pid" 2>/dev/null || true
    [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT

fail() {
    echo "FAIL: $*" >&2
    if [ -n "${DISPLAY:-}" ]; then
        import -window root "$work/failure.png" 2>/dev/null &&
            cp "$work/failure.png" "${TMPDIR:-/tmp}/options_e2e_failure.png" &&
            echo "screen saved in ${TMPDIR:-/tmp}/options_e2e_failure.png" >&2
    fi
    exit 1
}

# Waits up to $1 seconds for the command in the remaining arguments to succeed.
wait_for() {
    local seconds=$1
    shift
    local deadline=$((SECONDS + seconds))
    until "$@" >/dev/null 2>&1; do
        [ "$SECONDS" -lt "$deadline" ] || return 1
        sleep 0.2
    done
}

# --- the program with three card sets of its own -------------------------------------------
mkdir -p "$work/bin/gfx" "$work/run" "$work/home" "$work/config" "$work/sysconfig" "$work/runtime"
chmod 700 "$work/runtime"
cp "$program" "$work/bin/TavroMemory"

declare -A back_colour=([animals]='#C83214' [forest]='#14A03C' [ocean]='#1E46D2')
for set in animals forest ocean; do
    folder="$work/bin/gfx/$set"
    mkdir -p "$folder"
    convert -size 8x8 "xc:${back_colour[$set]}" "BMP3:$folder/space.bmp"
    convert -size 8x8 'xc:#F0E68C' "BMP3:$folder/1.bmp"
    for face in $(seq 2 18); do
        cp "$folder/1.bmp" "$folder/$face.bmp"
    done
done

# The list shows the sets in the order the file system gives them, which is what ls -U shows.
mapfile -t listed < <(cd "$work/bin/gfx" && ls -U)
# The start-up set is the default "animals"; the target is the list's second entry, or the
# third when the second is "animals" itself (so that the pick changes something).
downs=1
[ "${listed[1]}" = animals ] && downs=2
target=${listed[$downs]}
echo "sets as listed: ${listed[*]}; picking $target"

# --- a private X server ---------------------------------------------------------------------
exec 3>"$work/display"
Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp >"$work/xvfb.log" 2>&1 &
xvfb_pid=$!
exec 3>&-
wait_for 10 test -s "$work/display" || fail "Xvfb did not start"
export DISPLAY=":$(head -n1 "$work/display")"

export HOME="$work/home" XDG_CONFIG_HOME="$work/config" XDG_CONFIG_DIRS="$work/sysconfig"
export XDG_RUNTIME_DIR="$work/runtime" XDG_DATA_HOME="$work/home/.local/share"
export QT_QPA_PLATFORM=xcb
unset TAVRO_EXIT_AFTER_FIRST_PAINT  # the start-up benchmark's switch: the program must stay

(cd "$work/run" && exec "$work/bin/TavroMemory") >"$work/game.log" 2>&1 &
game_pid=$!

main_window() { xdotool search --onlyvisible --name '^Tavro Memory: ' | head -n1 | grep .; }
wait_for 30 main_window || fail "the main window did not appear"
window=$(main_window)
[ "$(xdotool getwindowname "$window")" = "Tavro Memory: animals" ] ||
    fail "unexpected caption $(xdotool getwindowname "$window")"
# Without a window manager the keyboard focus is set directly.
focus_main_window() {
    xdotool windowactivate --sync "$window" 2>/dev/null || xdotool windowfocus --sync "$window"
    sleep 0.3
}
focus_main_window

# Counts the pixels of the main window that have exactly the given colour.
count_colour() {
    import -window "$window" "$work/board.png"
    convert "$work/board.png" -alpha off -fill black +opaque "$1" -fill white -opaque "$1" \
        -format '%[fx:round(mean*w*h)]' info:
}
board_pixels=$((36 * 50 * 50))  # well below the 36 pictures of 60 x 60
[ "$(count_colour "${back_colour[animals]}")" -ge "$board_pixels" ] ||
    fail "the first deal does not show the animals card back"

# --- the Options dialog ---------------------------------------------------------------------
options_dialog() { xdotool search --onlyvisible --name '^Options$' | head -n1 | grep .; }
xdotool key --clearmodifiers alt+o
wait_for 10 options_dialog || fail "Alt+O did not open the Options dialog"
sleep 0.5

# The list has the focus first: Home selects its first entry, Down moves on.
xdotool key Home
for _ in $(seq "$downs"); do
    xdotool key Down
done
wait_for 5 sh -c "xdotool getwindowname $window | grep -qx 'Tavro Memory: $target'" ||
    fail "the caption did not follow the picked set: $(xdotool getwindowname "$window")"

# Tab to the slider, two steps of 50 ms to the right: 500 -> 600.
xdotool key Tab Right Right
sleep 0.3
xdotool key Escape
wait_for 10 sh -c '! xdotool search --onlyvisible --name "^Options\$" | grep -q .' ||
    fail "Escape did not close the Options dialog"

sleep 0.5
[ "$(count_colour "${back_colour[$target]}")" -ge "$board_pixels" ] ||
    fail "the new deal does not show the $target card back"

# --- leave with F10 and read the saved settings -----------------------------------------------
focus_main_window  # the closed dialog had the focus
xdotool key F10
for _ in $(seq 50); do
    kill -0 "$game_pid" 2>/dev/null || break
    sleep 0.2
done
if kill -0 "$game_pid" 2>/dev/null; then
    fail "F10 did not end the program"
fi
status=0
wait "$game_pid" || status=$?
game_pid=
[ "$status" -eq 0 ] || { cat "$work/game.log" >&2; fail "the program ended with status $status"; }

# Saved per machine where writable (as root), otherwise per user; the per-user file wins.
saved=
for file in "$work/config/Tavro/Tavro Memory.ini" "$work/sysconfig/Tavro/Tavro Memory.ini"; do
    if [ -f "$file" ]; then
        saved=$file
        break
    fi
done
[ -n "$saved" ] || fail "no settings file was written"
cards=$(sed -n 's/^\(.*[\\/]\)\{0,1\}cards=//p' "$saved")
delay=$(sed -n 's/^\(.*[\\/]\)\{0,1\}delay=//p' "$saved")
[ "$cards" = "$target" ] || fail "saved cards '$cards', expected '$target' ($saved)"
[ "$delay" = 600 ] || fail "saved delay '$delay', expected 600 ($saved)"
echo "PASS: $target and 600 ms were saved"
