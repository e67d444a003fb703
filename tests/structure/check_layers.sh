#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Checks that includes point down the layers: app/ on top, then the windows below it (dialogs/,
# scores/), then the shared widgets (dialogkit/, controls/), then the libraries without widgets
# (settings/, pictures/, files/, translations/, the Leads file in scores/) and the core (game/).
# Nothing includes a folder above its own; the picture library and the settings libraries include
# no widget (neither ours nor Qt's); the settings store includes nothing of the card sets or the
# pictures; and the game core includes nothing from Qt.
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

windows_below_app="dialogs scores"
shared_widgets="dialogkit controls"
no_widgets="settings pictures files game translations scores/Leads*"
settings_store="settings/Settings.h settings/SettingsStore.* settings/KeyValueStore*"

forbid "$windows_below_app $shared_widgets $no_widgets" 'app/[^">]*' 'below app/, a file includes app/'
forbid "$shared_widgets $no_widgets" '(dialogs/|scores/Unit)[^">]*' \
    'a shared widget or a library below it includes a dialog'
forbid "$no_widgets" '(dialogkit|controls)/[^">]*' \
    'a library without widgets (pictures, settings, files, Leads, core) includes a widget of ours'
forbid "$no_widgets" "$qt_widgets" \
    'a library without widgets (pictures, settings, files, Leads, core) includes a Qt widget'
forbid "pictures" '(settings|scores)/[^">]*' 'the picture library includes a folder above it'
forbid "$settings_store" '(pictures/|settings/Card)[^">]*' \
    'the settings store includes the card sets or the pictures'
forbid "game" 'Q[^">]*' 'the game core includes Qt'

[ "$failures" -eq 0 ] && echo "includes point down"
exit "$failures"
