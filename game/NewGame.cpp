// SPDX-License-Identifier: GPL-3.0-or-later
// NewGame: clears the board, turns every card face down, deals and resets score and hints.
#include <exception>

#include "game/Deal.h"
#include "game/GameEngine.h"
#include "game/TileSlot.h"

namespace tavro {

void GameEngine::NewGame() {
    ++dealNumber_;
    game_.MatchedTiles.fill(0);

    // Every card face down. Without a card back the game cannot be shown at all: the view tells
    // the player and ends the process, so the remaining loads are not tried.
    const std::string cardBack = CardBackFile();
    for (int tile = 1; tile <= kTileCount; ++tile) {
        try {
            view_.loadTilePicture(tile, cardBack);
        } catch (const std::exception&) {
            view_.missingCardBack();
            return;
        }
    }

    inputState_ = kInputReady;
    game_.HintsLeft = kHintsPerGame;
    view_.setHintCommandEnabled(true);

    random_.ReseedRandom();
    TileValues faces = ShuffleTiles(random_);
    game_.FirstPick = 0;
    game_.MatchedCount = 0;
    FoldFaces(faces);
    game_.BoardFaces = faces;

    view_.setHintCommandEnabled(game_.HintsLeft != 0);
    SetPoints(0);
    view_.reportOutcome({Outcome::Kind::NewGameDealt});
    view_.processPendingEvents();  // the board repaints before the player acts
}

}  // namespace tavro
