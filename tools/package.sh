#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the Debian package tavro-memory_<version>_<arch>.deb with CPack and prints its path.
# Usage: package.sh [build folder]
# Without a folder it makes a release build of the game alone in build-package/. A given folder
# that is already configured (as build-test is by tools/test.sh) is built and packaged as it is.
# Needs dpkg-dev (dpkg-shlibdeps) besides the build tools: bash tools/install-deps.sh.
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build-package}

if [ ! -f "$build/CMakeCache.txt" ]; then
    cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DTAVRO_TESTS=OFF
fi
cmake --build "$build"
rm -f "$build"/tavro-memory_*.deb
(cd "$build" && cpack -G DEB >cpack.log 2>&1) || {
    cat "$build/cpack.log" >&2
    echo "package.sh: cpack failed" >&2
    exit 1
}
package=$(ls "$build"/tavro-memory_*.deb)
echo "$package"
