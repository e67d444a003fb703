// SPDX-License-Identifier: GPL-3.0-or-later
// The game on the board as its outcomes told it: who plays it (the names the deal found in the
// settings, "Computer" for the computer) and how it stands after the last outcome. The first
// listener of the core's outcomes, so that every later one can name the players and read the
// scores without asking the core.
#pragma once

#include <QString>
#include <array>

#include "app/OutcomeFanOut.h"
#include "settings/Settings.h"

namespace tavro {

class DealtGame : public OutcomeListener {
public:
    // `play`: the Play menu's settings, whose names a new deal takes.
    explicit DealtGame(const PlaySettings& play) : play_(play) {}

    void Hear(const Outcome& outcome) override;

    // The name player 0 or 1 plays by in this deal.
    QString Name(int player) const { return names_[player == 1 ? 1 : 0]; }
    bool IsComputer(int player) const {
        return now_.mode == PlayMode::AgainstComputer && player == kComputerPlayer;
    }
    // Two players, or one against the computer.
    bool Together() const { return now_.mode != PlayMode::OnePlayer; }
    // The player ahead (at the end, the winner), or kNoPlayer when both have the same points.
    int Leader() const { return now_.leader; }
    const Standing& Now() const { return now_; }

private:
    const PlaySettings& play_;
    std::array<QString, kMaxPlayers> names_;
    Standing now_;
};

}  // namespace tavro
