#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Brings the translation files support/translations/tavro_*.ts up to date with the sources. lupdate adds
# every new text as an unfinished entry and marks texts that went away as vanished; existing
# translations are kept. Translate the unfinished entries afterwards (in Qt Linguist, or by
# editing the file) and delete the vanished ones, then build: the .qm files are made from the
# .ts files at build time.
#
# Usage: tools/update-translations.sh              update the .ts files in place
#        tools/update-translations.sh --add <xx>   also create support/translations/tavro_<xx>.ts for a
#                                                  new language (xx: its code, e.g. it or pt_BR)
#        tools/update-translations.sh --check      update temporary copies and fail when any
#                                                  entry is unfinished, vanished or empty (a ctest)
# LUPDATE names the lupdate program when it is not Qt 6's own.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"

lupdate=${LUPDATE:-$(qtpaths6 --query QT_HOST_BINS 2>/dev/null)/lupdate}
if [ ! -x "$lupdate" ]; then
    echo "lupdate not found (Debian package qt6-l10n-tools); set LUPDATE" >&2
    exit 2
fi

# Every source folder of the program: the top-level folders with a CMakeLists.txt and those of
# the tiers support/ and optional/, except the tests, the benchmarks and the developer tools,
# whose texts the player never sees (dialogs/ holds dialogs/players/).
sources=()
for folder in */ support/*/ optional/*/; do
    folder=${folder%/}
    case $folder in tests | bench | tools | build* | cmake | docs | gfx) continue ;; esac
    [ -f "$folder/CMakeLists.txt" ] && sources+=("$folder")
done

check=false
ts_files=(support/translations/tavro_*.ts)
case ${1:-} in
    --check) check=true ;;
    --add) ts_files+=("support/translations/tavro_${2:?the language code}.ts") ;;
    "") ;;
    *) echo "usage: $0 [--check | --add <language>]" >&2 && exit 2 ;;
esac
if $check; then
    work=$(mktemp -d)
    trap 'rm -rf "$work"' EXIT
    cp "${ts_files[@]}" "$work/"
    targets=("$work"/tavro_*.ts)
else
    targets=("${ts_files[@]}")
fi

"$lupdate" -silent -locations none -I . -I support -I optional -I dialogs -extensions cpp,h "${sources[@]}" -ts "${targets[@]}"

# Lists the entries of a .ts file that still need a translator, one line each: unfinished,
# vanished or obsolete entries, and finished ones with an empty translation.
open_entries() {
    awk '
        /<message/ { block = "" }
        { block = block $0 "\n" }
        /<\/message>/ {
            state = ""
            if (match(block, /type="(unfinished|vanished|obsolete)"/)) {
                state = substr(block, RSTART + 6, RLENGTH - 7)
            } else if (block ~ /<translation><\/translation>|<translation\/>/) {
                state = "empty"
            }
            if (state != "" && match(block, /<source>[^<]*<\/source>/)) {
                print state ": " substr(block, RSTART + 8, RLENGTH - 17)
            }
        }' "$1"
}

status=0
for ts in "${targets[@]}"; do
    entries=$(open_entries "$ts")
    if [ -n "$entries" ]; then
        count=$(printf '%s\n' "$entries" | wc -l)
        echo "$(basename "$ts"): $count entries need a translator:"
        printf '%s\n' "$entries" | sed 's/^/    /'
        status=1
    fi
done
if $check; then
    [ "$status" -eq 0 ] && echo "every text has its translations"
    exit "$status"
fi
exit 0
