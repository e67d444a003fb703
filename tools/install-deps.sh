#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs the Debian 12 packages that Tavro Memory needs, and only those that are missing. Uses
# sudo when not run as root.
# Usage: install-deps.sh [--build]
#   --build  only what building, running and packaging the game needs (tools/play.sh)
#   (none)   that and everything the tests, benchmarks and package checks need (tools/test.sh)
set -euo pipefail

# Building and running the game, and making its package (tools/package.sh).
build_packages=(
    build-essential cmake ninja-build git
    qt6-base-dev qt6-base-dev-tools libgl-dev
    qt6-tools-dev qt6-l10n-tools qt6-translations-l10n qt6-image-formats-plugins libwebp-dev
    qt6-charts-dev libqt6opengl6-dev libqt6sql6-sqlite qt6-multimedia-dev
    fonts-noto-color-emoji fonts-dejavu-core fonts-liberation2 xdg-utils
    dpkg-dev file
)

# Testing, benchmarking and checking the package.
test_packages=(
    clang-format binutils qt6-base-private-dev
    googletest libgtest-dev libbenchmark-dev
    clang libclang-rt-14-dev pkg-config
    xvfb xdotool imagemagick x11-utils xxd time xclip
    lintian desktop-file-utils appstream man-db
    at-spi2-core dbus-daemon python3-pyatspi
    orca speech-dispatcher python3-speechd gir1.2-atspi-2.0 util-linux procps
    espeak-ng pulseaudio pulseaudio-utils
    acl
)

packages=("${build_packages[@]}")
if [ "${1:-}" != --build ]; then
    packages+=("${test_packages[@]}")
fi

missing=()
for package in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed'; then
        missing+=("$package")
    fi
done
[ ${#missing[@]} -eq 0 ] && exit 0

sudo_cmd=()
[ "$(id -u)" -ne 0 ] && sudo_cmd=(sudo)
echo "Installing: ${missing[*]}"
"${sudo_cmd[@]}" apt-get update -qq
DEBIAN_FRONTEND=noninteractive "${sudo_cmd[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
