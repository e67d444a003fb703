#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# CMake holds the layers: each planted source (tests/structure/CMakeLists.txt) includes one header
# with the include folders of one library, and must fail to compile because the header is not
# there, except the first, which includes a header the library may use and must compile (so a
# failure of the others is the include's and not the set-up's).
# Usage: check_planted_compile.sh <build folder> <target that compiles> <targets that fail...>
set -uo pipefail
build=$1
allowed=$2
shift 2

if ! out=$(cmake --build "$build" --target "$allowed" 2>&1); then
    printf '%s\n' "$out"
    echo "FAIL: $allowed includes a header its library may use, yet does not compile"
    exit 1
fi
for target in "$@"; do
    if out=$(cmake --build "$build" --target "$target" 2>&1); then
        echo "FAIL: $target compiled: its library sees a header it must not include"
        exit 1
    fi
    if ! grep -q 'No such file or directory' <<<"$out"; then
        printf '%s\n' "$out"
        echo "FAIL: $target failed, but not for want of the header"
        exit 1
    fi
    echo "refused: $target"
done
echo "every wrong include fails to compile"
