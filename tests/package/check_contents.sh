#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Checks the built package without installing it: its dependencies (computed ones and the font
# package), the Debian games layout of its files, the hardening of the game's binary, and that the
# installed desktop entry, AppStream metainfo and icons validate and agree on the one desktop id;
# the card-set maker with its own desktop entry, icons and man page.
# Usage: check_contents.sh <build folder> <desktop id> <font package> <card maker desktop id>
set -euo pipefail
build=$1 id=$2 font_package=$3 maker_id=$4
here=$(dirname "$(realpath "$0")")
# shellcheck source=tests/package/unpack.sh
source "$here/unpack.sh"
unpack_package "$build"

failures=0
fail() {
    echo "FAIL: $*" >&2
    failures=$((failures + 1))
}

# Dependencies: dpkg-shlibdeps found the Qt libraries; the font package and xdg-utils are added.
depends=$(dpkg-deb -f "$deb" Depends)
echo "Depends: $depends"
# The record of games and the statistics window: Qt SQL and Qt Charts found in the modules, and
# Qt's SQLite driver, a plugin loaded by name, added; the sounds' Qt Multimedia.
for needed in libqt6widgets6 libqt6gui6 libc6 "$font_package" qt6-image-formats-plugins \
    libqt6sql6 libqt6charts6 libqt6sql6-sqlite libqt6multimedia6; do
    grep -Eq "(^|, )$needed( |,|$)" <<<"$depends" || fail "Depends lacks $needed"
done
[ "$(dpkg-deb -f "$deb" Recommends)" = xdg-utils ] || fail "Recommends is not xdg-utils"
[ "$(dpkg-deb -f "$deb" Section)" = games ] || fail "Section is not games"

# The layout: the game beside its card sets in a private folder, the launcher on the PATH.
game_dir=$root/usr/lib/games/tavro-memory
[ -x "$game_dir/TavroMemory" ] || fail "no executable usr/lib/games/tavro-memory/TavroMemory"
for set in animals shapes; do
    for picture in space $(seq 1 18); do
        [ -s "$game_dir/gfx/$set/$picture.bmp" ] || fail "missing gfx/$set/$picture.bmp"
    done
done
# The sounds and the module that plays them, beside the game.
for sound in turn match miss hint end highscore; do
    [ -s "$game_dir/sounds/$sound.wav" ] || fail "missing sounds/$sound.wav"
done
[ -f "$game_dir/modules/libtavro_sounds.so" ] || fail "missing modules/libtavro_sounds.so"
# Hardened as Debian builds: position independent, full RELRO (every symbol bound at start-up,
# then the GOT read-only) and the stack protector.
if [ -x "$game_dir/TavroMemory" ]; then
    # Read whole first: grep -q ending a pipe early would fail it under pipefail.
    dynamic=$(readelf -dW "$game_dir/TavroMemory")
    segments=$(readelf -lW "$game_dir/TavroMemory")
    header=$(readelf -hW "$game_dir/TavroMemory")
    symbols=$(readelf --dyn-syms -W "$game_dir/TavroMemory")
    grep -q 'BIND_NOW' <<<"$dynamic" || fail "the game is not linked with -z now (no BIND_NOW)"
    grep -q 'GNU_RELRO' <<<"$segments" || fail "the game is not linked with -z relro (no GNU_RELRO)"
    grep -Eq 'Type: +DYN' <<<"$header" || fail "the game is no PIE"
    grep -q '__stack_chk_fail' <<<"$symbols" || fail "the game is not built with the stack protector"
fi
for module in records statistics; do
    [ -f "$game_dir/modules/libtavro_$module.so" ] || fail "no module modules/libtavro_$module.so"
done
[ -x "$root/usr/games/tavro-memory" ] || fail "no launcher usr/games/tavro-memory"
head -n 1 "$root/usr/games/tavro-memory" | grep -qx '#!/bin/sh' || fail "the launcher is no sh script"
sh -n "$root/usr/games/tavro-memory" || fail "the launcher does not parse"
# The card-set maker beside the game, on the PATH through a relative link.
[ -x "$game_dir/tavro-memory-cards" ] || fail "no executable $game_dir/tavro-memory-cards"
maker_link=$root/usr/games/tavro-memory-cards
[ -L "$maker_link" ] && [ "$(readlink "$maker_link")" = ../lib/games/tavro-memory/tavro-memory-cards ] ||
    fail "usr/games/tavro-memory-cards is not a relative link to the maker"
for page in tavro-memory tavro-memory-cards; do
    man_page=$root/usr/share/man/man6/$page.6.gz
    [ -s "$man_page" ] || fail "no man page $page.6.gz"
    man_warnings=$(LC_ALL=C.UTF-8 MANWIDTH=80 man --warnings -E UTF-8 -l -Tutf8 -Z \
        "$man_page" 2>&1 >/dev/null || true)
    [ -z "$man_warnings" ] || fail "the man page $page.6 has warnings: $man_warnings"
done
[ -s "$root/usr/share/doc/tavro-memory/copyright" ] || fail "no copyright file"
# Nothing of the build's own leaks in: no stray scores, no test or tool programs.
stray=$(cd "$root" && find . -name leads.dat -o -name 'make_*' -o -name '*test*' | head)
[ -z "$stray" ] || fail "files that do not belong in the package: $stray"

# The desktop entry, named by the id, starts the launcher and shows the id's icon.
desktop=$root/usr/share/applications/$id.desktop
if [ -f "$desktop" ]; then
    desktop-file-validate "$desktop" || fail "desktop-file-validate rejects $id.desktop"
    grep -qx 'Exec=tavro-memory' "$desktop" || fail "the desktop entry does not run the launcher"
    grep -qx "Icon=$id" "$desktop" || fail "the desktop entry's icon is not $id"
    grep -qx 'Categories=Game;CardGame;' "$desktop" || fail "the categories are not Game;CardGame;"
else
    fail "no desktop entry usr/share/applications/$id.desktop"
fi

maker_desktop=$root/usr/share/applications/$maker_id.desktop
if [ -f "$maker_desktop" ]; then
    desktop-file-validate "$maker_desktop" || fail "desktop-file-validate rejects $maker_id.desktop"
    grep -qx 'Exec=tavro-memory-cards' "$maker_desktop" ||
        fail "the maker's desktop entry does not run tavro-memory-cards"
    grep -qx "Icon=$maker_id" "$maker_desktop" || fail "the maker's icon is not $maker_id"
    grep -q '^Categories=Game;' "$maker_desktop" || fail "the maker is not under Game"
else
    fail "no desktop entry usr/share/applications/$maker_id.desktop"
fi

metainfo=$root/usr/share/metainfo/$id.metainfo.xml
if [ -f "$metainfo" ]; then
    appstreamcli validate --no-net --explain "$metainfo" || fail "appstreamcli rejects the metainfo"
    grep -q "<id>$id</id>" "$metainfo" || fail "the metainfo's id is not $id"
    grep -q "<launchable type=\"desktop-id\">$id.desktop</launchable>" "$metainfo" ||
        fail "the metainfo does not launch $id.desktop"
else
    fail "no metainfo usr/share/metainfo/$id.metainfo.xml"
fi

# Icons: a square PNG with alpha at each size of the hicolor theme for the game and the maker,
# and no other icon files.
for icon_id in "$id" "$maker_id"; do
    for size in 16 32 48 64 128 256; do
        icon=$root/usr/share/icons/hicolor/${size}x${size}/apps/$icon_id.png
        if [ -f "$icon" ]; then
            file -b "$icon" | grep -q "^PNG image data, $size x $size, 8-bit/color RGBA" ||
                fail "$(basename "$icon") at $size px is $(file -b "$icon")"
        else
            fail "no icon ${size}x${size}/apps/$icon_id.png"
        fi
    done
done
icons=$(find "$root/usr/share/icons" -type f | wc -l)
[ "$icons" -eq 12 ] || fail "$icons icon files instead of 12"

[ "$failures" -eq 0 ] || exit 1
echo "package contents: $(basename "$deb") holds the games layout; its desktop entries," \
    "metainfo and icons validate under the ids $id and $maker_id"
