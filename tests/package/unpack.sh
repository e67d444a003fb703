# SPDX-License-Identifier: GPL-3.0-or-later
# Sourced by the package tests: finds the package that tools/package.sh built in the build
# folder and unpacks it with dpkg-deb -x into a temporary root (nothing is installed on the
# system). Without a package, or with one older than the game it should hold, the test is skipped
# with exit code 77.
# Usage: source unpack.sh; unpack_package <build folder>   (sets deb, root, work)
#        or find_package <build folder>   (sets deb only)
# shellcheck shell=bash disable=SC2034  # the variables set here are the sourcing script's

find_package() {
    local build=$1 found
    found=$(ls "$build"/tavro-memory_*.deb 2>/dev/null | head -n 1) || true
    if [ -z "$found" ]; then
        echo "SKIP: no package in $build; build one with: bash tools/package.sh $build"
        exit 77
    fi
    if [ "$build/TavroMemory" -nt "$found" ]; then
        echo "SKIP: $found is older than $build/TavroMemory; rebuild it with:" \
            "bash tools/package.sh $build"
        exit 77
    fi
    deb=$(realpath "$found")
}

unpack_package() {
    find_package "$1"
    [ -n "${work:-}" ] || {
        work=$(mktemp -d)
        trap 'rm -rf "$work"' EXIT
    }
    root=$work/root
    mkdir -p "$root"
    dpkg-deb -x "$deb" "$root"
}
