// SPDX-License-Identifier: GPL-3.0-or-later
// Who plays: one player alone (the game as it always was, and the default), two players taking
// turns at one screen, or one player against the computer, whose strength is how much it
// remembers of the cards it has seen, and who begins against it. The settings store these, and
// the core plays by them.
#pragma once

#include <cstdint>

namespace tavro {

enum class PlayMode { OnePlayer, TwoPlayers, AgainstComputer };
enum class ComputerStrength { Forgetful, Fair, PerfectMemory };
// Who begins a deal against the computer: always the player, or the player and the computer in
// turn over deals in a row (the first of them the player's). A game of two always begins with
// the first player.
enum class StartRule { Player, Alternate };

// Players of a game of two, counted from 0: the first begins every deal, unless the computer
// takes its turn to begin (StartRule). Against the computer the first is the person and the
// second the computer.
inline constexpr int kMaxPlayers = 2;
inline constexpr int kComputerPlayer = 1;
// A game's end without a winner: both have the same points.
inline constexpr int kNoPlayer = -1;

}  // namespace tavro
