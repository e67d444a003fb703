// SPDX-License-Identifier: GPL-3.0-or-later
// The state of one game: the deal, the matched tiles, the pick in progress, the score, the hints
// left, and who plays. One instance lives for the whole run (inside SharedState). Arrays are
// indexed by TileIndex 1..36; slot 0 is unused so that the indices read as the rules state them.
#pragma once

#include <array>
#include <cstdint>

#include "game/CardSetLayout.h"
#include "game/PlayMode.h"

namespace tavro {

// The board is a square of kBoardSide x kBoardSide tiles, numbered row by row from 1.
inline constexpr int kBoardSide = 6;
inline constexpr int kTileCount = kBoardSide * kBoardSide;
inline constexpr int kHintsPerGame = 50;
static_assert(kTileCount == 2 * kFaceCount, "every face lies on exactly two tiles");

struct GameState {
    std::array<std::int32_t, kTileCount + 1> BoardFaces{};  // FaceId 1..kFaceCount per tile
    std::array<std::uint8_t, kTileCount + 1>
        MatchedTiles{};             // matched tiles, in match order; 0 = empty
    std::uint8_t MatchedCount = 0;  // used slots of MatchedTiles, always even
    std::uint8_t FirstPick = 0;     // the face-up card waiting for its partner; 0 = none
    std::int32_t Points = 0;        // may be negative
    std::uint8_t HintsLeft = 0;
    // Who plays this deal, as NewGame found it. One player scores in Points alone, as the game
    // always did. In the two other modes Points stays 0: each player scores in PlayerPoints, and
    // CurrentPlayer (0 or 1) has the turn; the hints are shared.
    PlayMode Mode = PlayMode::OnePlayer;
    std::uint8_t CurrentPlayer = 0;
    std::array<std::int32_t, kMaxPlayers> PlayerPoints{};
};

}  // namespace tavro
