# SPDX-License-Identifier: GPL-3.0-or-later
# Sourced by the screen reader end-to-end run: the real Orca, started on the test's private
# session and accessibility buses, speaking through a speech-dispatcher of the test's own whose
# only output module appends every text to a file (no audio). What was heard after a key press is
# read back from that file.
# Usage: source orca_speech.sh; start_speech; start_orca; ... press KEY; expect_heard REGEX
# shellcheck shell=bash disable=SC2034  # the variables set here are the sourcing script's

spoken=""      # the file every spoken text is appended to, one text (or sentence) a line
orca_pid=""    # Orca, or the namespace process it runs under
heard_from=0   # the line of $spoken where the text heard since the last key press starts
steps=""       # what was heard after each step, by kind (tests/e2e/spoken_lengths.py reads it)
speech_language=en  # the language the program speaks, for the step records

# speech-dispatcher with its own configuration: the generic output module runs a shell line per
# text, and libao's null driver stands in for a sound card, so nothing is played.
start_speech() {
    local config="$work/speechd"
    spoken="$work/spoken.txt"
    steps="$work/steps.tsv"
    : >"$spoken"
    : >"$steps"
    mkdir -p "$config/modules" "$work/speechd-log"
    cat >"$config/speechd.conf" <<EOF
AddModule "written" "sd_generic" "written.conf"
DefaultModule written
DefaultLanguage "en"
AudioOutputMethod "libao"
EOF
    cat >"$config/modules/written.conf" <<EOF
GenericExecuteSynth "printf '%s\\\\n' \\'\$DATA\\' >> '$spoken'"
GenericLanguage "en" "en" "utf-8"
AddVoice "en" "MALE1" "written"
DefaultVoice "written"
EOF
    echo "default_driver=null" >"$HOME/.libao"
    speech-dispatcher --run-single --timeout 0 --config-dir "$config" \
        --socket-path "$work/speechd.sock" --log-dir "$work/speechd-log" \
        >"$work/speechd.out" 2>&1 &
    extra_pids+=("$!")
    export SPEECHD_ADDRESS="unix_socket:$work/speechd.sock"
    wait_for 20 test -S "$work/speechd.sock" || fail "speech-dispatcher did not start"
}

# Orca with preferences of its own (its defaults: speech on), and its debug log kept for a
# failure. Orca refuses to start while another Orca of the same user runs. Where the system lets
# the test make a process namespace of its own, Orca runs in one and sees no other; otherwise the
# test cannot run beside another Orca and says so. Either way it is ended with the session.
start_orca() {
    local orca_command=(orca --user-prefs "$work/orca-prefs" --debug-file "$work/orca-debug.log")
    mkdir -p "$work/orca-prefs"
    if unshare --pid --fork --mount-proc --kill-child true 2>/dev/null; then
        unshare --pid --fork --mount-proc --kill-child "${orca_command[@]}" \
            >"$work/orca.out" 2>&1 &
    elif pgrep -u "$(id -u)" -x orca >/dev/null; then
        fail "another Orca of this user is running; Orca runs once per user"
    else
        "${orca_command[@]}" >"$work/orca.out" 2>&1 &
    fi
    orca_pid=$!
    wait_for 30 grep -q . "$spoken" || fail "Orca did not speak (see $work/orca.out)"
}

# Ends Orca at once. The namespace process ignores the polite signals (it waits for its child),
# and ending it by force ends Orca with it (--kill-child).
stop_orca() {
    [ -n "$orca_pid" ] || return 0
    kill -KILL "$orca_pid" 2>/dev/null || true
    wait "$orca_pid" 2>/dev/null || true
    orca_pid=""
}

# Everything heard since the last key press, as one line.
heard() { tail -n +"$((heard_from + 1))" "$spoken" | tr '\n' ' ' | tr -s ' '; }

# Presses the keys (xdotool names) as the keyboard would, after marking where the speech starts.
press() {
    heard_from=$(wc -l <"$spoken")
    xdotool key --delay 40 "$@"
}

# Waits up to 10 seconds until what was heard since the last key press matches the extended
# regular expression $1; fails with the whole transcript otherwise.
expect_heard() {
    local deadline=$((SECONDS + 10))
    until heard | grep -Eq -- "$1"; do
        if [ "$SECONDS" -ge "$deadline" ]; then
            echo "---- heard after the key: $(heard)" >&2
            fail "expected to hear /$1/"
        fi
        sleep 0.05
    done
}

# Records what was heard since the last key press as one step of kind $1: the language, the kind
# and each text, tab-separated.
record_step() {
    local line
    {
        printf '%s\t%s' "$speech_language" "$1"
        tail -n +"$((heard_from + 1))" "$spoken" | while IFS= read -r line; do
            printf '\t%s' "$line"
        done
        printf '\n'
    } >>"$steps"
}

# Waits until Orca has been quiet for a moment, so that the next key does not cut off speech
# still on its way.
settle() {
    local lines rounds=0
    lines=$(wc -l <"$spoken")
    sleep 0.3
    while [ "$(wc -l <"$spoken")" != "$lines" ] && [ "$rounds" -lt 20 ]; do
        lines=$(wc -l <"$spoken")
        rounds=$((rounds + 1))
        sleep 0.3
    done
}
