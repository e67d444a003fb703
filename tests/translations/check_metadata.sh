#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Every language of translations/ speaks in the package's metadata too: each desktop entry has
# its Name, GenericName, Comment and Keywords, and the AppStream metainfo its summary, each
# paragraph and list item of the description, each screenshot caption, and keywords.
# Usage: check_metadata.sh <source folder>
set -euo pipefail
source=$1
desktops=("$source"/packaging/*.desktop.in)
metainfo=$source/packaging/tavro-memory.metainfo.xml.in

failures=0
fail() {
    echo "FAIL: $*" >&2
    failures=$((failures + 1))
}
# How often the opening tag (with exactly these attributes) occurs in the metainfo.
count() { grep -o "<$1>" "$metainfo" | wc -l; }

languages=()
for ts in "$source"/support/translations/tavro_*.ts; do
    language=$(basename "$ts" .ts)
    languages+=("${language#tavro_}")
done
[ "${#languages[@]}" -gt 0 ] || fail "no languages in support/translations/"

for language in "${languages[@]}"; do
    for desktop in "${desktops[@]}"; do
        for key in Name GenericName Comment Keywords; do
            grep -Eq "^$key\[$language\]=[^[:space:]]" "$desktop" ||
                fail "$(basename "$desktop") has no $key[$language]"
        done
    done
    for tag in summary p li caption; do
        english=$(count "$tag")
        translated=$(count "$tag xml:lang=\"$language\"")
        [ "$translated" -eq "$english" ] ||
            fail "the metainfo has $translated <$tag> in $language for $english in English"
    done
    [ "$(count "keyword xml:lang=\"$language\"")" -gt 0 ] ||
        fail "the metainfo has no keyword in $language"
done

[ "$failures" -eq 0 ] || exit 1
echo "the desktop entries and the metainfo speak ${languages[*]}"
