# Sourced by the end-to-end test and the start-up benchmark: starts an Xvfb server of our own on
# a free display number, exports DISPLAY and kills the server when the sourcing script exits
# (together with anything listed in extra_pids).
# Usage: source xvfb.sh; start_xvfb  (then: extra_pids+=("$pid") for processes to kill too)

extra_pids=()
xvfb_pid=""

stop_xvfb() {
    local pid
    for pid in "${extra_pids[@]}" $xvfb_pid; do
        kill "$pid" 2>/dev/null || true
    done
    for pid in "${extra_pids[@]}" $xvfb_pid; do
        wait "$pid" 2>/dev/null || true
    done
}

start_xvfb() {
    local display
    for display in $(seq 91 199); do
        # A display is free when no lock file and no socket claim it.
        [ -e "/tmp/.X${display}-lock" ] || [ -e "/tmp/.X11-unix/X${display}" ] && continue
        Xvfb ":${display}" -screen 0 800x700x24 -nolisten tcp -noreset >/dev/null 2>&1 &
        xvfb_pid=$!
        local tries
        for tries in $(seq 1 100); do
            if [ -S "/tmp/.X11-unix/X${display}" ]; then
                export DISPLAY=":${display}"
                trap stop_xvfb EXIT
                return 0
            fi
            if ! kill -0 "$xvfb_pid" 2>/dev/null; then
                break  # lost the race for this display: try the next one
            fi
            sleep 0.05
        done
        kill "$xvfb_pid" 2>/dev/null || true
        wait "$xvfb_pid" 2>/dev/null || true
        xvfb_pid=""
    done
    echo "no free X display for Xvfb" >&2
    return 1
}
