#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The structure checks catch what they are there for: in a copy of the source tree, each planted
# line must make check_layers.sh or check_one_direction.sh fail (an include that points up: a
# widget into the picture library, the settings libraries or the record of games, a window into a
# shared widget, Qt into the game core; the game reaching past the record's and the statistics'
# module interfaces, and the statistics window past the records module's reader; the core running
# events; a card set's file name spelled outside its home; the input gate written directly; a
# message box inside the core's call, directly or through another function; the game state read
# back in app/; TForm1 spread over more than three sources), and the untouched copy must pass
# both.
# Usage: check_layers_planted.sh <source folder> [Qt's QtWidgets header folder]
set -euo pipefail
source_dir=$(realpath "$1")
widgets_headers=${2:-}
check="$source_dir/tests/structure/check_layers.sh"
direction="$source_dir/tests/structure/check_one_direction.sh"

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
# plant <file> <include line>: a fresh copy with the line added to the file; the check must fail.
plant() {
    rm -rf "$work/tree"
    mkdir "$work/tree"
    (cd "$source_dir" && find . -path ./.git -prune -o \( -name '*.cpp' -o -name '*.h' -o \
        -name CMakeLists.txt -o -name '*.cmake' \) -print |
        grep -v '^\./build' | xargs cp --parents -t "$work/tree")
    if [ -n "$1" ]; then
        [ -f "$work/tree/$1" ] || { echo "FAIL: no $1 to plant into"; exit 1; }
        printf '%s\n' "$2" >>"$work/tree/$1"
    fi
    bash "$check" "$work/tree" "$widgets_headers" >"$work/out" 2>&1 &&
        bash "$direction" "$work/tree" >>"$work/out" 2>&1
}

plant "" "" || { cat "$work/out"; echo "FAIL: the untouched tree does not pass"; exit 1; }
while IFS='|' read -r file line; do
    if plant "$file" "$line"; then
        echo "FAIL: the check passed with '$line' in $file"
        exit 1
    fi
    echo "caught: '$line' in $file"
done <<'PLANTS'
support/pictures/BitmapDecode.cpp|#include "controls/PictureBox.h"
support/pictures/BitmapHeader.h|#include <QWidget>
settings/CardSet.cpp|#include "controls/PictureBox.h"
settings/CardSetInfo.h|#include <QtWidgets/QLabel>
settings/SettingsStore.cpp|#include "dialogkit/ErrorReport.h"
settings/SettingsStore.cpp|#include "pictures/BitmapDecode.h"
controls/PictureBox.cpp|#include "dialogs/Unit4.h"
scores/LeadsFile.cpp|#include <QMessageBox>
game/Deal.cpp|#include <QString>
dialogs/Unit5.cpp|#include "app/Unit1.h"
dialogs/players/ComputerDialog.cpp|#include "app/PlayersLine.h"
support/dialogkit/ToolDialog.cpp|#include "players/PlayerNames.h"
support/cardart/CardDrawing.cpp|#include <QWidget>
cardmaker/SetWriter.cpp|#include "dialogkit/ErrorReport.h"
dialogs/Unit4.cpp|#include "cardmaker/MakerWindow.h"
app/Unit1.cpp|#include "cardmaker/MakerWindow.h"
game/Hint.cpp|void Stall(BoardView& view) { view.processPendingEvents(); }
game/Turns.cpp|// A sleep_for(delay) here would freeze the board.
dialogs/Unit4.cpp|const QString kBack = QStringLiteral("space.bmp");
settings/CardSet.cpp|QString FaceFile(int n) { return QString::number(n) + ".bmp"; }
tools/CMakeLists.txt|list(APPEND TAVRO_CARD_FILES gfx/animals/space.bmp)
scores/Unit2.cpp|void Open(std::uint8_t& inputState) { inputState = kInputReady; }
app/Unit1Commands.cpp|void OpenGate(SharedState& state) { state.InputState = kInputReady; }
optional/records/RecordsDatabase.cpp|#include <QWidget>
optional/records/RecordWriter.cpp|#include "statistics/StatisticsWindow.h"
app/Unit1Commands.cpp|#include "statistics/StatisticsWindow.h"
app/GameRecording.cpp|#include "records/RecordsDatabase.h"
optional/statistics/StatisticsWindow.cpp|#include "records/RecordsDatabase.h"
app/Unit1View.cpp|void TForm1::setFrameColour(int, std::uint32_t) { QMessageBox::information(this, {}, {}); }
app/SpokenOutcomes.cpp|QString SpokenOutcomes::TurnText(int) const { QMessageBox box; box.exec(); return {}; }
app/DealtGame.cpp|void DealtGame::Hear(const Outcome&) { QDialog().exec(); }
app/Unit1View.cpp|void TForm1::CountPairs() { return state_.Game.MatchedCount; }
app/ScoreLine.cpp|void TForm1::Help1Click() {}
PLANTS
echo "every planted line is caught"
