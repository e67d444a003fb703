// SPDX-License-Identifier: GPL-3.0-or-later
// The program's one shared state: the game, the settings, the input gate and the Leads table.
// The main window owns the single instance and hands it to the dialogs by reference.
#pragma once

#include "game/GameState.h"
#include "game/InputGate.h"
#include "scores/LeadsTable.h"
#include "settings/Settings.h"

namespace tavro {

struct SharedState {
    GameState Game;
    Settings Config;
    InputGate InputState;  // reads kInputBusy (0) while anything holds it closed
    LeadsTable Leads{};    // all zero bytes until the first load
};

}  // namespace tavro
