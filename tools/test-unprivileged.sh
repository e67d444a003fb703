#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds and runs the tests whose children drop to "nobody" (ctest label "unprivileged") in a
# build folder inside a fresh folder only root may enter, as when the checkout lies in root's
# home: those children must need nothing from the build tree. Only these few targets are built.
# Without root nothing drops privileges, so there is nothing to check.
set -euo pipefail
cd "$(dirname "$0")/.."
if [ "$(id -u)" -ne 0 ]; then
    echo "test-unprivileged: not root, nothing to check"
    exit 0
fi

scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
chmod 0700 "$scratch"
build="$scratch/build"

cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo "$@" >/dev/null
mapfile -t targets < <(ctest --test-dir "$build" -N -L '^unprivileged$' |
    sed -n 's/^ *Test *#[0-9]*: *\([A-Za-z0-9_]*\)$/\1/p')
if [ "${#targets[@]}" -eq 0 ]; then
    echo "test-unprivileged: no test carries the label" >&2
    exit 1
fi
cmake --build "$build" -j "$(nproc)" --target "${targets[@]}"
ctest --test-dir "$build" --output-on-failure -j "$(nproc)" -L '^unprivileged$'
