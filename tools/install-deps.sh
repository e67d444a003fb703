#!/usr/bin/env bash
# Installs the Debian 12 packages that building, running and testing Tavro Memory need, and only
# those that are missing. Uses sudo when not run as root.
set -euo pipefail

packages=(
    build-essential cmake ninja-build git clang-format
    qt6-base-dev qt6-base-dev-tools libgl-dev
    qt6-tools-dev qt6-l10n-tools qt6-translations-l10n
    fonts-noto-color-emoji fonts-dejavu-core
    googletest libgtest-dev libbenchmark-dev
    clang libclang-rt-14-dev pkg-config
    xvfb xdotool imagemagick x11-utils xxd time
)

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
