#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Checks that includes point down the layers: the two programs on top (app/, the game, and
# cardmaker/, the card-set maker, which include nothing of each other), then the windows below
# the game's (dialogs/ with dialogs/players/, scores/, optional/statistics/), then the shared
# widgets (support/dialogkit/, controls/), then the libraries without widgets (settings/,
# support/pictures/, cardart/, files/, modules/ and translations/, optional/audio/ and records/,
# the Leads file in scores/) and the core (game/). Includes name a folder without its tier
# ("records/GameRecord.h"). The
# game reaches the record of games and the statistics window only through their modules'
# interfaces, so that Qt SQL and Qt Charts stay out of its start-up. Nothing includes a folder above its own; the picture library,
# the settings libraries and the card maker's picture logic include no widget (neither ours nor
# Qt's); the settings store includes nothing of the card sets or the pictures; and the game core
# includes nothing from Qt.
# Usage: check_layers.sh <source folder> [Qt's QtWidgets header folder]
set -uo pipefail
cd "$1" || exit 2

# Qt's widget headers by name (QWidget, QLabel, ...), from the installed Qt when given.
qt_widgets='QtWidgets(/[^">]*)?|QWidget|QApplication|QDialog|QLabel|QFrame|QMessageBox|QAbstractButton'
if [ -n "${2:-}" ] && [ -d "$2" ]; then
    qt_widgets="QtWidgets(/[^\">]*)?|$(cd "$2" && find . -maxdepth 1 -name 'Q*' ! -name '*.h' -printf '%f\n' |
        sort | paste -sd'|')"
fi

failures=0
# forbid <files or folders> <pattern> <why>: no source file there may include a match.
forbid() {
    local places=$1 pattern=$2 why=$3 hits
    # shellcheck disable=SC2086
    hits=$(grep -rnE --include='*.h' --include='*.cpp' "^#include [<\"]($pattern)[\">]" $places \
        2>/dev/null)
    if [ -n "$hits" ]; then
        printf '%s\n%s\n\n' "$why:" "$hits"
        failures=$((failures + 1))
    fi
}

programs="app cardmaker"
windows_below_app="dialogs scores optional/statistics"  # dialogs/ holds dialogs/players/
shared_widgets="support/dialogkit controls"
no_widgets="settings support/pictures support/cardart support/files support/modules optional/audio
    game support/translations optional/records scores/Leads*"
settings_store="settings/Settings.h settings/SettingsStore.* settings/KeyValueStore*"
# The card maker's picture logic and command line run without a window system.
maker_core="cardmaker/MakerPicture.* cardmaker/FaceMaker.* cardmaker/CardSetDraft.*
    cardmaker/SetMetadata.* cardmaker/SetWriter.* cardmaker/CommandLine.* cardmaker/CropModel.*
    cardmaker/DecoderMessages.* cardmaker/JpegLayout.* cardmaker/PictureDecode.*
    cardmaker/PictureFiles.* cardmaker/PictureLook.* cardmaker/PictureReduce.* cardmaker/SavedSets.*
    cardmaker/SetSources.*
    cardmaker/WebpDecode.*"

forbid "$windows_below_app $shared_widgets $no_widgets" '(app|cardmaker)/[^">]*' \
    'below the programs (app/, cardmaker/), a file includes one of them'
forbid "app" 'cardmaker/[^">]*' 'the game includes the card maker'
forbid "cardmaker" 'app/[^">]*' 'the card maker includes the game'
forbid "$shared_widgets $no_widgets" '(dialogs/|players/|scores/Unit|statistics/)[^">]*' \
    'a shared widget or a library below it includes a dialog'
forbid "$no_widgets $maker_core" '(dialogkit|controls)/[^">]*' \
    'a library without widgets (pictures, settings, card art, files, Leads, core, the maker'"'"'s core) includes a widget of ours'
forbid "$no_widgets $maker_core" "$qt_widgets" \
    'a library without widgets (pictures, settings, card art, files, Leads, core, the maker'"'"'s core) includes a Qt widget'
forbid "support/pictures" '(settings|scores|cardart)/[^">]*' 'the picture library includes a folder above it'
forbid "$settings_store" '(pictures/|settings/Card|settings/PlayerSets)[^">]*' \
    'the settings store includes the card sets or the pictures'
forbid "game" 'Q[^">]*' 'the game core includes Qt'
forbid "app" 'records/(Records|RecordW|Threaded)[^">]*|statistics/(Csv|Score|Trend|StatisticsTables|StatisticsWindow)[^">]*' \
    'the game includes the record of games or the statistics beyond their modules'"'"' interfaces'
forbid "optional/statistics" 'records/(Records|RecordW|Threaded|Database|Csv)[^">]*' \
    'the statistics window includes the record'"'"'s code instead of the records module'"'"'s reader'

[ "$failures" -eq 0 ] && echo "includes point down"
exit "$failures"
