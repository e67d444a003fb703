#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs what building and running needs and is missing, builds Tavro Memory in build/ and
# starts it as the installed launcher does: in the player's data folder
# ($XDG_DATA_HOME/tavro-memory, by default ~/.local/share/tavro-memory), which keeps the high
# scores ("leads.dat") out of the checkout.
set -euo pipefail
cd "$(dirname "$0")/.."
bash tools/install-deps.sh --build
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=Release -DTAVRO_TESTS=OFF
cmake --build build
program=$(pwd)/build/TavroMemory

case ${XDG_DATA_HOME:-} in
/*) data_folder=$XDG_DATA_HOME/tavro-memory ;;
*) data_folder=$HOME/.local/share/tavro-memory ;;
esac
mkdir -p "$data_folder"
cd "$data_folder"
exec "$program"
