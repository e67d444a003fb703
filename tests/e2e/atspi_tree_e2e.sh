#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# End-to-end run of the real program under Xvfb, read over AT-SPI as a screen reader reads it:
# a private session bus and accessibility bus of the test's own, the program with accessibility
# on, and atspi_tree.py finding the 36 cards and the points by name and playing a whole game
# through the cards' accessible actions.
# Usage: atspi_tree_e2e.sh <path of TavroMemory>
set -euo pipefail
here=$(dirname "$(realpath "$0")")
# A session bus of our own, ended with the run, so that nothing of the machine's is used.
if [ -z "${TAVRO_PRIVATE_BUS:-}" ]; then
    exec env TAVRO_PRIVATE_BUS=1 dbus-run-session -- bash "$0" "$@"
fi
program=$(realpath "$1")
# shellcheck source=tests/e2e/xvfb.sh
source "$here/xvfb.sh"

start_session
# The accessibility bus and its registry, on the private session bus.
/usr/libexec/at-spi-bus-launcher --launch-immediately >"$work/atspi.log" 2>&1 &
extra_pids+=("$!")
export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 NO_AT_BRIDGE=0
# The delay keeps a mismatched pair face up long enough to be read.
write_settings animals 800
run_game "$program"

names="$(dirname "$program")/gfx/animals/set.desktop"
[ -f "$names" ] || fail "no set.desktop in the built animals set"
# Debian's bindings, whatever python3 comes first on the path.
/usr/bin/python3 "$here/atspi_tree.py" "$names" || fail "the accessibility tree is not as expected"
# The game ended in the name entry dialog; the program is ended with the session.
