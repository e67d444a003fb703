// SPDX-License-Identifier: GPL-3.0-or-later
// "Against the computer": asks the player's name (the first player's, shown as it was last) and
// how strong the computer is: forgetful, fair, or with a perfect memory. OK stores both in the
// settings.
#pragma once

#include <array>

#include "players/PlayersDialog.h"

class QRadioButton;

namespace tavro {

class ComputerDialog : public PlayersDialog {
    Q_OBJECT
public:
    ComputerDialog(PlaySettings& play, InputGate& gate, QWidget* mainWindow);

    QLineEdit* NameBox();
    // The choice of a strength.
    QRadioButton* StrengthButton(ComputerStrength strength);

protected:
    void BuildControls() override;
    void FormShow() override;
    void Store() override;

private:
    void LetTabReachTheChoice();
    static constexpr std::size_t kStrengths = 3;
    QLineEdit* box_ = nullptr;
    std::array<QRadioButton*, kStrengths> strengths_{};
};

}  // namespace tavro
