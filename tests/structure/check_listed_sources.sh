#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Every C++ file is listed in a CMakeLists.txt: the source tree passes the check the build runs
# (cmake/TavroSources.cmake against the build's list of configured folders and listed sources),
# and in a copy of the tree each planted file that no CMakeLists.txt lists makes it fail: a new
# file in a library folder, in a folder below one (tools/cardsets), and in a top-level folder
# the build never configures.
# Usage: check_listed_sources.sh <source folder> <build folder>
set -euo pipefail
source_dir=$(realpath "$1")
listed="$(realpath "$2")/listed_sources.cmake"
script="$source_dir/cmake/TavroSources.cmake"

check() { cmake -DTAVRO_SOURCE_DIR="$1" -DTAVRO_LISTED="$listed" -P "$script" >"$work/out" 2>&1; }

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
check "$source_dir" || { cat "$work/out"; echo "FAIL: the source tree does not pass"; exit 1; }

for planted in scores/ScoreFormat.cpp tools/cardsets/Extra.h newfolder/Thing.cpp; do
    rm -rf "$work/tree"
    mkdir "$work/tree"
    (cd "$source_dir" && find . -path ./.git -prune -o \( -name '*.cpp' -o -name '*.h' \) -print |
        grep -v '^\./build' | xargs cp --parents -t "$work/tree")
    mkdir -p "$work/tree/$(dirname "$planted")"
    printf '#error "not listed"\n' >"$work/tree/$planted"
    if check "$work/tree"; then
        echo "FAIL: the check passed with the unlisted $planted"
        exit 1
    fi
    grep -q "$(dirname "$planted")" "$work/out" || { cat "$work/out"; echo "FAIL: $planted not named"; exit 1; }
    echo "caught: $planted"
done
echo "every source file is listed, and an unlisted one is caught"
