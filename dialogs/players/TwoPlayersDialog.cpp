// SPDX-License-Identifier: GPL-3.0-or-later
// The two players' names: two boxes, OK and Cancel.
#include "players/TwoPlayersDialog.h"

#include <QLineEdit>

#include "dialogkit/DialogLook.h"
#include "players/PlayerNames.h"

namespace tavro {

TwoPlayersDialog::TwoPlayersDialog(PlaySettings& play, InputGate& gate, QWidget* mainWindow)
    : PlayersDialog(play, gate, mainWindow, QSize(300, 164)) {
    setObjectName(QStringLiteral("TwoPlayersDialog"));
    setWindowTitle(tr("Two players"));
}

QLineEdit* TwoPlayersDialog::NameBox(int player) {
    EnsureBuilt();
    return boxes_[player == 1 ? 1 : 0];
}

void TwoPlayersDialog::BuildControls() {
    ApplyDialogLook(*this);
    boxes_[0] = AddNameBox(tr("&First player:"), 8, QStringLiteral("FirstName"));
    boxes_[1] = AddNameBox(tr("&Second player:"), 68, QStringLiteral("SecondName"));
    AddButtons(131);
    setFocusProxy(boxes_[0]);
}

void TwoPlayersDialog::FormShow() {
    for (int player = 0; player < kMaxPlayers; ++player) {
        ShowName(boxes_[static_cast<std::size_t>(player)], player);
    }
    boxes_[0]->setFocus();
}

void TwoPlayersDialog::Store() {
    for (int player = 0; player < kMaxPlayers; ++player) {
        const auto index = static_cast<std::size_t>(player);
        play_.PlayerNames[index] = StoredPlayerName(boxes_[index]->text(), player);
    }
}

}  // namespace tavro
