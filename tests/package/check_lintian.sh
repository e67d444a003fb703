#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Runs lintian on the built package: no errors and no hardening tags allowed; the warnings are
# listed in the log.
# Usage: check_lintian.sh <build folder>
set -euo pipefail
here=$(dirname "$(realpath "$0")")
# shellcheck source=tests/package/unpack.sh
source "$here/unpack.sh"
find_package "$1"
status=0
report=$(lintian --no-cfg --fail-on error --display-info "$deb" 2>&1) || status=$?
echo "$report"
if [ "$status" -ne 0 ]; then
    echo "FAIL: lintian reports errors on $(basename "$deb") (exit status $status)" >&2
    exit 1
fi
# Nor any hardening tag, whatever its level (hardening-no-bindnow is only an info).
if grep -E '^[EWIP]: .*hardening-no-' <<<"$report"; then
    echo "FAIL: lintian finds the game's binary not hardened" >&2
    exit 1
fi
echo "lintian: no errors on $(basename "$deb"), $(grep -c '^W: ' <<<"$report" || true) warnings"
