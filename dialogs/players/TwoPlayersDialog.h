// SPDX-License-Identifier: GPL-3.0-or-later
// "Two players": asks the names of the two who take turns at one screen, each shown with the name
// it had last ("Player 1" and "Player 2" at first). OK stores both in the settings.
#pragma once

#include <array>

#include "players/PlayersDialog.h"

namespace tavro {

class TwoPlayersDialog : public PlayersDialog {
    Q_OBJECT
public:
    TwoPlayersDialog(PlaySettings& play, InputGate& gate, QWidget* mainWindow);

    // The name boxes of the first and the second player.
    QLineEdit* NameBox(int player);

protected:
    void BuildControls() override;
    void FormShow() override;
    void Store() override;

private:
    std::array<QLineEdit*, kMaxPlayers> boxes_{};
};

}  // namespace tavro
