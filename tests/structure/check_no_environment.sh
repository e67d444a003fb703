#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Checks that the game as shipped reads no environment variable: neither the start-up benchmark's
# exit switch nor any getenv-style lookup may be in the executable. The lookups are searched for
# after the debug information is stripped, as packaging does, since that names every declaration
# the standard headers bring in (std::getenv among them) whether it is called or not.
# Usage: check_no_environment.sh <TavroMemory>
set -uo pipefail
program=$1
[ -f "$program" ] || { echo "missing $program" >&2; exit 2; }
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
strip --strip-debug -o "$work/stripped" "$program" || exit 2

failures=0
hits=$(strings -a "$program" | grep -E 'TAVRO_[A-Z_]*(EXIT|PAINT)')
if [ -n "$hits" ]; then
    printf 'the benchmark'"'"'s switch is in the program:\n%s\n' "$hits"
    failures=$((failures + 1))
fi
hits=$(strings -a "$work/stripped" |
    grep -E '(secure_getenv|getenv|qgetenv|qEnvironmentVariable|qputenv|QProcessEnvironment)')
if [ -n "$hits" ]; then
    printf 'the program looks up environment variables:\n%s\n' "$hits"
    failures=$((failures + 1))
fi
[ "$failures" -eq 0 ] && echo "no environment lookups"
exit "$failures"
