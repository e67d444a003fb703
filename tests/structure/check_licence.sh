#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Checks that every source file the repository tracks (C++, CMake, shell, Python, XPM) names its
# licence with an SPDX line near its top.
# Usage: check_licence.sh <source folder>
set -uo pipefail
cd "$1" || exit 2

missing=()
while IFS= read -r file; do
    head -n 3 "$file" | grep -q 'SPDX-License-Identifier: ' || missing+=("$file")
done < <(git ls-files '*.cpp' '*.h' '*.sh' '*.py' '*.cmake' '*.xpm' 'CMakeLists.txt' \
    '*/CMakeLists.txt' .ci/run 2>/dev/null)

if [ ${#missing[@]} -gt 0 ]; then
    echo "no SPDX licence line in:"
    printf '  %s\n' "${missing[@]}"
    exit 1
fi
echo "every source file names its licence"
