// SPDX-License-Identifier: GPL-3.0-or-later
// "Against the computer": asks the player's name (the first player's, shown as it was last), how
// strong the computer is (easy: it forgets quickly; even: a close game; hard: it forgets nothing)
// and whether the player and the computer take turns to begin a deal. OK stores all three in the
// settings.
#pragma once

#include <array>

#include "players/PlayersDialog.h"

class QCheckBox;
class QRadioButton;

namespace tavro {

class ComputerDialog : public PlayersDialog {
    Q_OBJECT
public:
    ComputerDialog(PlaySettings& play, InputGate& gate, QWidget* mainWindow);

    QLineEdit* NameBox();
    // The choice of a strength.
    QRadioButton* StrengthButton(ComputerStrength strength);
    // Checked: the player and the computer take turns to begin.
    QCheckBox* TakeTurnsBox();

protected:
    void BuildControls() override;
    void FormShow() override;
    void Store() override;

private:
    void LetTabReachTheChoice();
    static constexpr std::size_t kStrengths = 3;
    QLineEdit* box_ = nullptr;
    std::array<QRadioButton*, kStrengths> strengths_{};
    QCheckBox* takeTurns_ = nullptr;
};

}  // namespace tavro
