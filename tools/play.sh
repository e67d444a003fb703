#!/usr/bin/env bash
# Installs what is missing, builds Tavro Memory in build/ and starts it.
set -euo pipefail
cd "$(dirname "$0")/.."
bash tools/install-deps.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=Release -DTAVRO_TESTS=OFF
cmake --build build
exec ./build/TavroMemory
