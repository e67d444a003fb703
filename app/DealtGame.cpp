// SPDX-License-Identifier: GPL-3.0-or-later
// The game on the board as its outcomes told it; see DealtGame.h.
#include "app/DealtGame.h"

#include "players/PlayerNames.h"

namespace tavro {

void DealtGame::Hear(const Outcome& outcome) {
    now_ = outcome.standing;
    if (outcome.kind != Outcome::Kind::NewGameDealt) {
        return;
    }
    for (int player = 0; player < kMaxPlayers; ++player) {
        names_[static_cast<std::size_t>(player)] =
            IsComputer(player) ? ComputerName() : PlayerName(play_, player);
    }
}

}  // namespace tavro
