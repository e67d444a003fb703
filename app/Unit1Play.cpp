// SPDX-License-Identifier: GPL-3.0-or-later
// The "&Play" menu's choice of who plays: "&One player" (the game as it always was, and the
// default), "&Two players…" and "Against the &computer…", radio items at the top of the menu. The
// choice is kept in the settings and handed to the engine, which plays by it from the next deal;
// every choice deals a new game. The two dialogs write the names and the strength into the
// settings on OK; Cancel leaves the game and its mode as they were. A choice made while the
// computer plays ends its turn with the deal.
#include <QAction>
#include <QActionGroup>
#include <QMenu>

#include "app/Unit1.h"
#include "players/ComputerDialog.h"
#include "players/TwoPlayersDialog.h"

namespace tavro {

void TForm1::BuildPlayMenu() {
    auto* modes = new QActionGroup(Play1);
    const auto addMode = [this, modes](const char* name, const QString& caption) {
        QAction* action = Play1->addAction(caption);
        action->setObjectName(QLatin1String(name));
        action->setCheckable(true);
        modes->addAction(action);
        return action;
    };
    OnePlayer1 = addMode("OnePlayer1", tr("&One player"));
    TwoPlayers1 = addMode("TwoPlayers1", tr("&Two players…"));
    AgainstComputer1 = addMode("AgainstComputer1", tr("Against the &computer…"));
    OnePlayer1->setChecked(true);
    connect(OnePlayer1, &QAction::triggered, this, &TForm1::OnePlayer1Click);
    connect(TwoPlayers1, &QAction::triggered, this, &TForm1::TwoPlayers1Click);
    connect(AgainstComputer1, &QAction::triggered, this, &TForm1::AgainstComputer1Click);
}

// The settings as loaded: the engine deals by them from the first deal on.
void TForm1::ApplyPlaySettings() {
    engine_.SetPlayers(state_.Config.Play.Mode, state_.Config.Play.Strength);
    ShowPlayMode();
}

// The menu checks the stored mode, also after a choice that was cancelled or not let through.
void TForm1::ShowPlayMode() {
    switch (state_.Config.Play.Mode) {
        case PlayMode::OnePlayer:
            OnePlayer1->setChecked(true);
            return;
        case PlayMode::TwoPlayers:
            TwoPlayers1->setChecked(true);
            return;
        case PlayMode::AgainstComputer:
            AgainstComputer1->setChecked(true);
            return;
    }
}

void TForm1::SwitchPlayMode(PlayMode mode) {
    recording_.Leave(GameEnd::LeftByModeChange);
    state_.Config.Play.Mode = mode;
    engine_.SetPlayers(mode, state_.Config.Play.Strength);
    DealNewGame();
}

void TForm1::OnePlayer1Click() {
    RunCommand([this] { SwitchPlayMode(PlayMode::OnePlayer); });
    ShowPlayMode();
}

void TForm1::TwoPlayers1Click() {
    RunCommand([this] {
        if (twoPlayersDialog_ == nullptr) {
            twoPlayersDialog_ = new TwoPlayersDialog(state_.Config.Play, state_.InputState, this);
        }
        if (twoPlayersDialog_->exec() == QDialog::Accepted) {
            SwitchPlayMode(PlayMode::TwoPlayers);
        }
    });
    ShowPlayMode();
}

void TForm1::AgainstComputer1Click() {
    RunCommand([this] {
        if (computerDialog_ == nullptr) {
            computerDialog_ = new ComputerDialog(state_.Config.Play, state_.InputState, this);
        }
        if (computerDialog_->exec() == QDialog::Accepted) {
            SwitchPlayMode(PlayMode::AgainstComputer);
        }
    });
    ShowPlayMode();
}

}  // namespace tavro
