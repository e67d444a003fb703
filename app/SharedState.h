// SPDX-License-Identifier: GPL-3.0-or-later
// The program's one shared state: the game, the settings, the input gate and the Leads table.
// The main window owns the single instance and hands it to the dialogs by reference.
#pragma once

#include <cstdint>

#include "game/GameState.h"
#include "game/InputGate.h"
#include "scores/LeadsTable.h"
#include "settings/Settings.h"

namespace tavro {

struct SharedState {
    GameState Game;
    Settings Config;
    std::uint8_t InputState = kInputBusy;  // 0 = busy: clicks and commands but Exit are ignored
    LeadsTable Leads{};                    // all zero bytes until the first load
};

}  // namespace tavro
