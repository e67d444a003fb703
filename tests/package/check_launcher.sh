#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The installed launcher on its own, with a stand-in game in the unpacked tree that reports its
# working folder and arguments: it finds the game relative to itself (also through a symbolic
# link), uses $XDG_DATA_HOME/tavro-memory or, without an absolute XDG_DATA_HOME, the default under
# HOME, makes that folder, passes the arguments on, and fails with a clear message when the
# folder cannot be made.
# Usage: check_launcher.sh <build folder>
set -euo pipefail
here=$(dirname "$(realpath "$0")")
# shellcheck source=tests/package/unpack.sh
source "$here/unpack.sh"
unpack_package "$1"

fail() {
    echo "FAIL: $*" >&2
    exit 1
}
launcher=$root/usr/games/tavro-memory
cat >"$root/usr/lib/games/tavro-memory/TavroMemory" <<'GAME'
#!/bin/sh
printf '%s\n' "$(pwd -P)" "$#" "$@"
GAME
mkdir -p "$work/home" "$work/data" "$work/elsewhere"
data=$(realpath "$work/data")
home=$(realpath "$work/home")
cd "$work/elsewhere"

# With an absolute XDG_DATA_HOME, its tavro-memory folder; the arguments arrive as given.
out=$(HOME=$home XDG_DATA_HOME=$data "$launcher" "two words" -x) || fail "the launcher failed"
expected=$(printf '%s\n' "$data/tavro-memory" 2 "two words" -x)
[ "$out" = "$expected" ] || fail "with XDG_DATA_HOME: got \"$out\", expected \"$expected\""

# Without one, or with a relative one (which the XDG rules ignore), the default under HOME.
for value in unset "" relative/data; do
    if [ "$value" = unset ]; then
        out=$(env -u XDG_DATA_HOME HOME="$home" "$launcher") || fail "the launcher failed"
    else
        out=$(HOME=$home XDG_DATA_HOME=$value "$launcher") || fail "the launcher failed"
    fi
    [ "$(head -n 1 <<<"$out")" = "$home/.local/share/tavro-memory" ] ||
        fail "XDG_DATA_HOME $value: ran in \"$(head -n 1 <<<"$out")\""
done
[ ! -e relative ] || fail "a relative XDG_DATA_HOME made a folder in the working folder"

# Through a symbolic link elsewhere, as /usr/local/bin/tavro-memory might be.
ln -s "$launcher" "$work/link"
out=$(HOME=$home XDG_DATA_HOME=$data "$work/link") || fail "the launcher failed through a link"
[ "$(head -n 1 <<<"$out")" = "$data/tavro-memory" ] || fail "through a link: \"$out\""

# Run by sh from its own folder, where $0 has no folder part.
out=$(cd "$root/usr/games" && HOME=$home XDG_DATA_HOME=$data sh tavro-memory) ||
    fail "the launcher failed when run as \"sh tavro-memory\""
[ "$(head -n 1 <<<"$out")" = "$data/tavro-memory" ] || fail "run as sh tavro-memory: \"$out\""

# A data folder that cannot be made (a file is in the way, also for root): a message, status 1.
touch "$work/blocker"
status=0
err=$(HOME=$home XDG_DATA_HOME=$work/blocker "$launcher" 2>&1 >/dev/null) || status=$?
[ "$status" -eq 1 ] || fail "exit status $status when the data folder cannot be made"
grep -q "tavro-memory: cannot make the folder for your scores: $work/blocker/tavro-memory" \
    <<<"$err" || fail "no clear message when the data folder cannot be made: \"$err\""

[ -z "$(ls -A "$work/elsewhere")" ] || fail "the launcher left files in the starting folder"
echo "launcher: finds the game beside itself, runs it in the per-user data folder, fails clearly"
