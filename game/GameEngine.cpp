// SPDX-License-Identifier: GPL-3.0-or-later
// The engine's shared pieces: construction, the score, the card pictures and the queries on the
// board that the turn engine and the hint both use.
#include "game/GameEngine.h"

#include <utility>

#include "game/TileSlot.h"

namespace tavro {

GameEngine::GameEngine(GameState& game, const Settings& settings, std::uint8_t& inputState,
                       BoardView& view, std::function<std::int32_t()> tenthLeadPoints,
                       RandomSource random)
    : game_(game),
      settings_(settings),
      inputState_(inputState),
      view_(view),
      tenthLeadPoints_(std::move(tenthLeadPoints)),
      random_(std::move(random)) {}

void GameEngine::SetPoints(std::int32_t value) {
    game_.Points = value;
    view_.showPoints(std::to_string(value));  // decimal, ASCII '-' when negative
}

std::string GameEngine::CardBackFile() const {
    return settings_.CardFolder + "space.bmp";
}

std::string GameEngine::FaceFile(std::int32_t faceId) const {
    return settings_.CardFolder + std::to_string(faceId) + ".bmp";
}

void GameEngine::ShowFace(int tile) {
    view_.loadTilePicture(tile, FaceFile(game_.BoardFaces[Slot(tile)]));
}

void GameEngine::ShowBack(int tile) {
    view_.loadTilePicture(tile, CardBackFile());
}

bool GameEngine::IsMatched(int tile) const {
    for (int slot = 1; slot <= kTileCount; ++slot) {
        if (game_.MatchedTiles[Slot(slot)] == tile) {
            return true;
        }
    }
    return false;
}

int GameEngine::PartnerOf(int tile) const {
    for (int other = 1; other <= kTileCount; ++other) {
        if (other != tile && game_.BoardFaces[Slot(other)] == game_.BoardFaces[Slot(tile)]) {
            return other;
        }
    }
    return 0;
}

int GameEngine::LowestUnmatchedTile() const {
    for (int tile = 1; tile <= kTileCount; ++tile) {
        if (!IsMatched(tile)) {
            return tile;
        }
    }
    return 0;
}

}  // namespace tavro
