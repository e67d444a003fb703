# SPDX-License-Identifier: GPL-3.0-or-later
# The one shared start-up of everything that runs the program under Xvfb (the end-to-end tests
# here, tools/take_screenshots.sh and the start-up benchmarks): an Xvfb server of our own on a
# free display number, a session whose settings and runtime folders are temporary, the program
# started in it with the settings the script asks for, and what the scripts read from its window.
# Usage: source xvfb.sh; start_session; [write_settings <set> <delay>;] run_game <program>
# shellcheck shell=bash disable=SC2034  # the variables set here are the sourcing script's

extra_pids=()  # processes to end together with the server
xvfb_pid=""
session_work=""

stop_xvfb() {
    local pid
    for pid in "${extra_pids[@]}" $xvfb_pid; do
        kill "$pid" 2>/dev/null || true
    done
    for pid in "${extra_pids[@]}" $xvfb_pid; do
        wait "$pid" 2>/dev/null || true
    done
}

# Starts the server (of 800 x 700 pixels, or the XVFB_SCREEN given as WxHxDEPTH), exports
# DISPLAY and stops the server when the sourcing script exits. The
# server picks a free display number itself (-displayfd) and writes it once it accepts
# connections, so tests started together never share or steal a display.
start_xvfb() {
    local number_file display=""
    number_file=$(mktemp)
    Xvfb -displayfd 3 -screen 0 "${XVFB_SCREEN:-800x700x24}" -nolisten tcp -noreset 3>"$number_file" \
        >/dev/null 2>&1 &
    xvfb_pid=$!
    trap stop_xvfb EXIT
    for _ in $(seq 1 200); do
        display=$(head -n 1 "$number_file" 2>/dev/null)
        [ -n "$display" ] && [ "$(wc -l <"$number_file")" -ge 1 ] && break
        kill -0 "$xvfb_pid" 2>/dev/null || break
        sleep 0.05
    done
    rm -f "$number_file"
    if [ -z "$display" ] || ! kill -0 "$xvfb_pid" 2>/dev/null; then
        echo "Xvfb did not start" >&2
        return 1
    fi
    export DISPLAY=":${display}"
}

stop_session() {
    stop_xvfb
    [ -z "$session_work" ] || rm -rf "$session_work"
}

# Makes the temporary folder $work (removed at exit), starts the server, and redirects HOME,
# the settings store ($work/user per user, $work/system per machine) and the runtime folder
# into $work, so that nothing of the real user's is read or written.
start_session() {
    work=$(mktemp -d)
    session_work=$work
    start_xvfb || return 1
    trap stop_session EXIT
    mkdir -p "$work/home" "$work/user" "$work/system" "$work/runtime"
    chmod 700 "$work/runtime"
    export HOME="$work/home" XDG_CONFIG_HOME="$work/user" XDG_CONFIG_DIRS="$work/system"
    export XDG_RUNTIME_DIR="$work/runtime" XDG_DATA_HOME="$work/home/.local/share"
    export QT_QPA_PLATFORM=xcb
}

# Writes the per-user settings the program reads at start: card set $1 and delay $2 (ms).
write_settings() {
    mkdir -p "$XDG_CONFIG_HOME/Tavro"
    printf '[Software]\nTavro\\Tavro%%20Memory\\cards=%s\nTavro\\Tavro%%20Memory\\delay=%s\n' \
        "$1" "$2" >"$XDG_CONFIG_HOME/Tavro/Tavro Memory.ini"
}

# Starts program $1 in the working folder $2 (default: the empty $work/play) with its output in
# $work/program.log, and waits for its main window (see wait_for_main_window); fails the script,
# naming $3 when given, when none appears.
run_game() {
    local folder=${2:-$work/play}
    mkdir -p "$folder"
    start_program "$1" "$folder" "$work/program.log"
    wait_for_main_window || fail "${3:+$3: }the main window did not appear"
}

fail() {
    echo "FAIL: $*" >&2
    if [ -n "${DISPLAY:-}" ]; then
        local shot
        shot="${TMPDIR:-/tmp}/$(basename "$0" .sh)_failure.png"
        import -window root "$shot" 2>/dev/null && echo "screen saved in $shot" >&2
    fi
    exit 1
}

# Waits up to $1 seconds for the command in the remaining arguments to succeed.
wait_for() {
    local deadline=$((SECONDS + $1))
    shift
    until "$@" >/dev/null 2>&1; do
        [ "$SECONDS" -lt "$deadline" ] || return 1
        sleep 0.2
    done
}

# Runs program $1 in folder $2 with its output in file $3; its process id goes to app_pid.
start_program() {
    (cd "$2" && exec "$1") >"$3" 2>&1 &
    app_pid=$!
    extra_pids+=("$app_pid")
}

# Waits up to $1 seconds for process $2 to end; sets exit_status, or returns 1 while it runs.
wait_for_exit() {
    local deadline=$((SECONDS + $1))
    while kill -0 "$2" 2>/dev/null; do
        [ "$SECONDS" -lt "$deadline" ] || return 1
        sleep 0.1
    done
    exit_status=0
    wait "$2" || exit_status=$?
    local kept=() pid
    for pid in "${extra_pids[@]}"; do
        [ "$pid" = "$2" ] || kept+=("$pid")
    done
    extra_pids=("${kept[@]}")
}

main_window_id() { xdotool search --onlyvisible --name '^Tavro Memory: ' | head -n1 | grep .; }

# The card size the program was started at, in per cent of the designed size (see at_size): the
# board's lengths below are multiplied by it.
board_percent=100
# A length of the designed board at board_percent, to the nearest pixel.
at_size() { echo $((($1 * board_percent + 50) / 100)); }

# Waits for the main window; sets window, its X, Y, WIDTH and HEIGHT, and menu_height (the
# height above the 505-pixel board).
wait_for_main_window() {
    wait_for 30 main_window_id || return 1
    window=$(main_window_id)
    eval "$(xdotool getwindowgeometry --shell "$window")"
    menu_height=$((HEIGHT - $(at_size 505)))
}

# Without a window manager the keyboard focus is set directly.
focus_main_window() {
    xdotool windowactivate --sync "$window" 2>/dev/null || xdotool windowfocus --sync "$window"
    sleep 0.3
}

# Tile k (1..36): its picture's top left corner on the screen, and a click on its centre.
tile_left() { echo $((X + $(at_size $((32 + 72 * (($1 - 1) % 6)))) + $(at_size 5))); }
tile_top() { echo $((Y + menu_height + $(at_size $((24 + 72 * (($1 - 1) / 6)))) + $(at_size 5))); }
click_tile() {
    local centre
    centre=$(at_size 30)
    xdotool mousemove --sync "$(($(tile_left "$1") + centre))" "$(($(tile_top "$1") + centre))" \
        click 1
}

# The pixels of tile $2's picture in the screenshot $1, as a digest of its raw colours.
tile_digest() {
    local side
    side=$(at_size 60)
    convert "$1" -crop "${side}x${side}+$(tile_left "$2")+$(tile_top "$2")" +repage -depth 8 rgb:- |
        md5sum | cut -d' ' -f1
}

# Tile $1's picture read from the screen by one process, with the digest tile_digest gives: a
# third of the time that a screenshot and a crop take, so that a whole game is read quickly and
# a mismatched pair well within the delay.
screen_tile_digest() {
    local side
    side=$(at_size 60)
    import -window root -crop "${side}x${side}+$(tile_left "$1")+$(tile_top "$1")" +repage \
        -depth 8 rgb:- |
        md5sum | cut -d' ' -f1
}

# How many pixels of the main window have exactly the colour $1.
count_colour() {
    import -window "$window" "$work/window.png"
    convert "$work/window.png" -alpha off -fill black +opaque "$1" -fill white -opaque "$1" \
        -format '%[fx:round(mean*w*h)]' info:
}

# The settings file the program saved: per user where there is one, otherwise per machine.
saved_settings() {
    local file
    for file in "$XDG_CONFIG_HOME/Tavro/Tavro Memory.ini" "$XDG_CONFIG_DIRS/Tavro/Tavro Memory.ini"; do
        [ -f "$file" ] && { echo "$file"; return 0; }
    done
    return 1
}

# The value of key $1 in the settings file $2 (keys stand below a group, as in "a\b\key=").
setting_value() { sed -n 's/^\(.*[\\/]\)\{0,1\}'"$1"'=//p' "$2"; }

# Points PULSE_SERVER at a listener on a free loopback port that accepts every connection and
# keeps it open without a word (a sound server that never answers), for at most $1 seconds; the
# listener ends with the server.
start_silent_sound_server() {
    /usr/bin/python3 -c '
import socket, sys, time
server = socket.socket()
server.bind(("127.0.0.1", 0))
server.listen(16)
print(server.getsockname()[1], flush=True)
server.settimeout(0.5)
kept, end = [], time.monotonic() + float(sys.argv[1])
while time.monotonic() < end:
    try:
        kept.append(server.accept()[0])
    except socket.timeout:
        pass
' "$1" >"$work/port" 2>"$work/listener.log" &
    extra_pids+=("$!")
    wait_for 10 grep -q . "$work/port" || fail "the listener did not start: $(cat "$work/listener.log")"
    PULSE_SERVER="tcp:127.0.0.1:$(head -n1 "$work/port")"
    export PULSE_SERVER
}
