#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The sounds, heard: a PulseAudio server of the test's own plays into a null sink whose monitor
# the test records. A sighted player plays a turn with the sounds off (silence), turns them on in
# the Play menu and plays a few turns with the mouse (sound arrives), and the choice is stored.
# Then, with the sounds stored on and no sound server at all, the game plays silently and shows
# no message.
# Usage: sounds_e2e.sh <path of TavroMemory>
set -euo pipefail
here=$(dirname "$(realpath "$0")")
program=$(realpath "$1")
# shellcheck source=tests/e2e/xvfb.sh
source "$here/xvfb.sh"

start_session
# The server of this test alone: no configuration file, no session bus, its socket in $work; as
# root too (it warns, and runs).
mkdir -p "$work/pulse"
export PULSE_RUNTIME_PATH="$work/pulse" PULSE_STATE_PATH="$work/pulse"
export PULSE_SERVER="unix:$work/pulse/native"
pulseaudio -n --daemonize=no --exit-idle-time=-1 --use-pid-file=no --disallow-module-loading \
    --load="module-native-protocol-unix socket=$work/pulse/native auth-anonymous=1" \
    --load="module-null-sink sink_name=tavro_test rate=44100 channels=1" \
    >"$work/pulse.log" 2>&1 &
extra_pids+=("$!")
wait_for 20 pactl info || fail "PulseAudio did not start: $(cat "$work/pulse.log")"
pactl set-default-sink tavro_test

# What the sink plays, as 16-bit samples, from now on.
parec -d tavro_test.monitor --raw --format=s16le --rate=44100 --channels=1 >"$work/heard.raw" \
    2>"$work/parec.log" &
extra_pids+=("$!")
# The loudest sample recorded since byte $1 of the recording.
loudest_since() {
    tail -c +"$(($1 + 1))" "$work/heard.raw" | od -An -v -td2 -w2 |
        awk 'BEGIN {m = 0} {v = $1 < 0 ? -$1 : $1; if (v > m) m = v} END {print m}'
}
recorded() { stat -c %s "$work/heard.raw"; }
# Clicks tiles $1 and $2 with time for the sounds, and for a mismatch to turn back.
play_turn() {
    click_tile "$1"
    sleep 0.3
    click_tile "$2"
    sleep 0.8
}

write_settings animals 200
run_game "$program"
focus_main_window
sleep 0.5
from=$(recorded)
play_turn 1 2
[ "$(loudest_since "$from")" -lt 100 ] || fail "sound played before the sounds were turned on"

# Play > Sounds, by the menu's access keys as a mouse would pick it.
xdotool key --delay 100 alt+p u
sleep 0.5
from=$(recorded)
# Turns until a sound arrives: the first one also loads the sounds' module, which a busy machine
# (or a sanitizer build) may take a while to do.
for first in 3 5 7 9 11 13; do
    play_turn "$first" $((first + 1))
    loudest=$(loudest_since "$from")
    [ "$loudest" -lt 1000 ] || break
done
[ "$loudest" -ge 1000 ] || fail "no sound arrived after the sounds were turned on (loudest $loudest)"
xdotool key F10
wait_for_exit 15 "$app_pid" || fail "the program did not end"
[ "$exit_status" -eq 0 ] || fail "the program ended with status $exit_status"
# Kept per machine where that file can be written (as root), per user otherwise.
cat "$XDG_CONFIG_HOME/Tavro/Tavro Memory.ini" "$XDG_CONFIG_DIRS/Tavro/Tavro Memory.ini" \
    2>/dev/null | grep -q '\\sounds=on$' || fail "the sounds' choice was not stored"
echo "sounds: silent while off, heard once on (loudest sample $loudest), and remembered"

# No sound server: the stored choice starts the sounds, which stay silent without a message.
export PULSE_SERVER="unix:$work/pulse/none"
run_game "$program" "$work/play2"
focus_main_window
play_turn 1 2
play_turn 3 4
windows=$(xdotool search --onlyvisible --pid "$app_pid" 2>/dev/null | wc -l)
[ "$windows" -eq 1 ] || fail "$windows windows without a sound server: a message appeared"
kill -0 "$app_pid" || fail "the program ended without a sound server"
echo "sounds: no sound server, no message"
