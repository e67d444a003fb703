#!/usr/bin/env bash
# Takes the README's pictures of the real program under Xvfb: docs/board.png (a fresh deal) and
# docs/game.png (a game in progress: some pairs found, one card waiting for its partner).
# Not a test. Usage: take_screenshots.sh <path of TavroMemory> <output folder>
set -euo pipefail
program=$(realpath "$1")
out=$(realpath "$2")
here=$(dirname "$(realpath "$0")")
source "$here/xvfb.sh"

work=$(mktemp -d)
start_xvfb
trap 'stop_xvfb; rm -rf "$work"' EXIT
mkdir -p "$work/play" "$work/user" "$work/system/Tavro" "$work/runtime"
chmod 700 "$work/runtime"
export HOME="$work" XDG_CONFIG_HOME="$work/user" XDG_CONFIG_DIRS="$work/system"
export XDG_RUNTIME_DIR="$work/runtime" QT_QPA_PLATFORM=xcb
# A long delay, so that a pair that does not match can be photographed before it turns back.
printf '[Software]\nTavro\\Tavro%%20Memory\\cards=animals\nTavro\\Tavro%%20Memory\\delay=1500\n' \
    >"$work/system/Tavro/Tavro Memory.ini"

cd "$work/play"
"$program" >/dev/null 2>&1 &
extra_pids+=("$!")
window=$(timeout 20 xdotool search --sync --onlyvisible --name "^Tavro Memory: " | head -n 1)
eval "$(xdotool getwindowgeometry --shell "$window")"
menu_height=$((HEIGHT - 505))
tile_left() { echo $((X + 32 + 72 * (($1 - 1) % 6) + 5)); }
tile_top() { echo $((Y + menu_height + 24 + 72 * (($1 - 1) / 6) + 5)); }
click_tile() {
    xdotool mousemove --sync "$(($(tile_left "$1") + 30))" "$(($(tile_top "$1") + 30))" click 1
}
digest() {
    convert "$work/shot.png" -crop "60x60+$(tile_left "$1")+$(tile_top "$1")" +repage -depth 8 \
        txt:- | tail -n +2 | awk '{print $3}' | md5sum | cut -d' ' -f1
}
sleep 0.5
import -window "$window" "$out/board.png"

# Turn the first twelve cards two by two and remember what each shows.
declare -A face
for first in 1 3 5 7 9 11; do
    click_tile "$first"
    click_tile $((first + 1))
    sleep 0.3
    import -window root "$work/shot.png"
    face[$first]=$(digest "$first")
    face[$((first + 1))]=$(digest $((first + 1)))
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
xdotool windowfocus --sync "$window"
xdotool key F10
