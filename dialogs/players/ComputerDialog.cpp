// SPDX-License-Identifier: GPL-3.0-or-later
// The player's name and the computer's strength: a name box, three choices in a frame, a check
// box for who begins, OK and Cancel, reached by Tab in that order. The arrow keys move between
// the choices, as in any group of them.
#include "players/ComputerDialog.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QRadioButton>

#include "dialogkit/DialogLook.h"
#include "dialogkit/KeyboardReach.h"
#include "players/PlayerNames.h"

namespace tavro {
namespace {

std::size_t IndexOf(ComputerStrength strength) {
    return static_cast<std::size_t>(strength);
}

}  // namespace

ComputerDialog::ComputerDialog(PlaySettings& play, InputGate& gate, QWidget* mainWindow)
    : PlayersDialog(play, gate, mainWindow, QSize(300, 216)) {
    setObjectName(QStringLiteral("ComputerDialog"));
    setWindowTitle(tr("Against the computer"));
}

QLineEdit* ComputerDialog::NameBox() {
    EnsureBuilt();
    return box_;
}

QRadioButton* ComputerDialog::StrengthButton(ComputerStrength strength) {
    EnsureBuilt();
    return strengths_[IndexOf(strength)];
}

QCheckBox* ComputerDialog::TakeTurnsBox() {
    EnsureBuilt();
    return takeTurns_;
}

void ComputerDialog::BuildControls() {
    ApplyDialogLook(*this);
    box_ = AddNameBox(tr("&Your name:"), 8, QStringLiteral("PlayerName"));

    auto* group = new QGroupBox(tr("The computer"), this);
    group->setObjectName(QStringLiteral("StrengthGroup"));
    group->setGeometry(8, 66, 284, 84);
    ApplyClassicFrame(*group);
    // Named for the game the player gets; the settings keep the words they always had.
    const std::array<QString, kStrengths> captions = {tr("&Easy: it forgets quickly"),
                                                      tr("E&ven: a close game"),
                                                      tr("&Hard: it forgets nothing")};
    const std::array<const char*, kStrengths> names = {"Forgetful", "Fair", "PerfectMemory"};
    for (std::size_t i = 0; i < kStrengths; ++i) {
        auto* button = new QRadioButton(captions[i], group);
        button->setObjectName(QLatin1String(names[i]));
        button->setGeometry(12, 18 + 20 * static_cast<int>(i), 260, 18);
        MarkFocus(button);  // the style's own focus frame is too thin to see
        strengths_[i] = button;
        connect(button, &QRadioButton::toggled, this, [this] { LetTabReachTheChoice(); });
    }
    takeTurns_ = new QCheckBox(tr("&Take turns to start"), this);
    takeTurns_->setObjectName(QStringLiteral("TakeTurns"));
    takeTurns_->setGeometry(20, 157, 272, 18);
    MarkFocus(takeTurns_);
    AddButtons(183);
    setFocusProxy(box_);
}

void ComputerDialog::FormShow() {
    ShowName(box_, 0);
    strengths_[IndexOf(play_.Strength)]->setChecked(true);
    takeTurns_->setChecked(play_.Starts == StartRule::Alternate);
    box_->setFocus();
}

// Tab stops at the chosen strength only, as it does in a group of radio buttons on the desktop;
// the arrow keys move between the strengths and choose as they go.
void ComputerDialog::LetTabReachTheChoice() {
    for (QRadioButton* button : strengths_) {
        button->setFocusPolicy(button->isChecked() ? Qt::StrongFocus : Qt::ClickFocus);
    }
}

void ComputerDialog::Store() {
    play_.PlayerNames[0] = StoredPlayerName(box_->text(), 0);
    for (std::size_t i = 0; i < kStrengths; ++i) {
        if (strengths_[i]->isChecked()) {
            play_.Strength = static_cast<ComputerStrength>(i);
        }
    }
    play_.Starts = takeTurns_->isChecked() ? StartRule::Alternate : StartRule::Player;
}

}  // namespace tavro
