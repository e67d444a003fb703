// SPDX-License-Identifier: GPL-3.0-or-later
// The deal's shuffle and fold, apart from the engine so that they can be checked on their own.
#pragma once

#include <array>
#include <cstdint>

#include "game/GameState.h"
#include "game/RandomSource.h"

namespace tavro {

// Tile-indexed values (slot 0 unused), as in GameState::BoardFaces.
using TileValues = std::array<std::int32_t, kTileCount + 1>;

// Deals the values 1..36 over the tiles as one single cycle: tile k never receives k.
TileValues ShuffleTiles(RandomSource& random);
// Maps 19..36 onto 1..18, so that every FaceId lies on exactly two tiles.
void FoldFaces(TileValues& faces);

}  // namespace tavro
