#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Checks that includes point down the layers: app/ on top, then the dialogs (dialogs/, scores/),
# then the shared widgets and the core (widgets/, controls/, settings/, game/). Nothing includes a
# folder above its own, and the game core includes nothing from Qt. The card maker sits beside
# app/, and its picture logic includes no widgets.
# Usage: check_layers.sh <source folder>
set -uo pipefail
cd "$1" || exit 2

failures=0
# forbid <folders> <pattern> <why>: no source file in the folders may include a match.
forbid() {
    local folders=$1 pattern=$2 why=$3 hits
    # shellcheck disable=SC2086
    hits=$(grep -rnE --include='*.h' --include='*.cpp' "^#include [<\"]($pattern)" $folders)
    if [ -n "$hits" ]; then
        printf '%s\n%s\n\n' "$why:" "$hits"
        failures=$((failures + 1))
    fi
}

forbid "dialogs scores widgets controls settings game" 'app/' 'below app/, a file includes app/'
forbid "widgets controls settings game" 'dialogs/|scores/Unit' \
    'a shared widget or the core includes a dialog'
forbid "game" 'Q' 'the game core includes Qt'
forbid "cardart" 'app/|dialogs/|scores/|cardmaker/' 'the card drawing includes a program of its users'
forbid "dialogs scores widgets controls settings game cardart" 'cardmaker/' \
    'the game includes the card maker'
# The card maker's picture logic and command line run without a window system.
maker_core="cardmaker/MakerPicture.* cardmaker/FaceMaker.* cardmaker/CardSetDraft.*
    cardmaker/SetMetadata.* cardmaker/SetWriter.* cardmaker/CommandLine.*"
forbid "$maker_core" 'QApplication|QWidget|Q[A-Za-z]*(Box|Button|Dialog|Label|Edit|View)>|widgets/|controls/' \
    "the card maker's core includes widgets"

[ "$failures" -eq 0 ] && echo "includes point down"
exit "$failures"
