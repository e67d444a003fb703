// SPDX-License-Identifier: GPL-3.0-or-later
// The "&Play" menu, between "&Options" and "&Help": everything the program adds to the game, each
// off (or the one-player game) until a player chooses otherwise. Who plays: "&One player",
// "&Two players…" and "Against the &computer…" (radio items; the two last ask the names and the
// strength in dialogs of their own, which write them into the settings on OK); "So&unds", "A&nimate
// cards", "Say the &score" (F6) and, against the computer, "Re&peat the computer's turn" (F7);
// "&Record games" and "St&atistics…" (F5); the "Card si&ze" submenu: the sizes as radio items and
// the keys that step through them, Ctrl++ (also Ctrl+=), Ctrl+- and Ctrl+0. The menu shows and
// asks; the main window runs the commands its items trigger.
#pragma once

#include <QObject>
#include <array>

#include "game/InputGate.h"
#include "settings/Settings.h"

class QAction;
class QMenu;
class QWidget;

namespace tavro {

class ComputerDialog;
class TwoPlayersDialog;

class PlayMenu : public QObject {
    Q_OBJECT
public:
    // Adds the items to `menu`; `play` is the settings the dialogs change, `gate` the input gate
    // they hold while they are open.
    PlayMenu(QMenu* menu, PlaySettings& play, InputGate& gate, QWidget* window);

    // Ask for the names (and the computer's strength); true on OK.
    bool AskTwoPlayers();
    bool AskAgainstComputer();
    // Checks the settings' mode, also after a choice that was cancelled or not let through, and
    // the switches as the settings have them.
    void ShowSettings();

    QAction* OnePlayer1 = nullptr;
    QAction* TwoPlayers1 = nullptr;
    QAction* AgainstComputer1 = nullptr;
    QAction* Sounds1 = nullptr;                  // checked while the sounds are on
    QAction* Animatecards1 = nullptr;            // checked while the cards move
    QAction* Saythescore1 = nullptr;             // F6
    QAction* Repeatthecomputersturn1 = nullptr;  // F7, against the computer
    QAction* RecordGames1 = nullptr;             // checked while games are recorded
    QAction* Statistics1 = nullptr;              // F5
    QMenu* CardSize1 = nullptr;                  // "Card si&ze"
    // The sizes' radio items in the order of CardSize, each with its CardSize as its data.
    std::array<QAction*, 5> Sizes{};
    QAction* Larger1 = nullptr;      // Ctrl++, Ctrl+=
    QAction* Smaller1 = nullptr;     // Ctrl+-
    QAction* NormalSize1 = nullptr;  // Ctrl+0

private:
    QAction* AddItem(QMenu* menu, const char* name, const QString& caption, bool checkable);
    void AddCardSizes(QMenu* menu);

    PlaySettings& play_;
    InputGate& gate_;
    QWidget* window_;
    TwoPlayersDialog* twoPlayersDialog_ = nullptr;  // made on first use
    ComputerDialog* computerDialog_ = nullptr;
};

}  // namespace tavro
