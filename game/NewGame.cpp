// SPDX-License-Identifier: GPL-3.0-or-later
// NewGame: clears the board, turns every card face down, deals and resets score and hints, and
// seats the players chosen for it (SetPlayers) with the one who begins. When that is the
// computer, it asks for its first card at once, and the gate stays closed until its turn ends.
#include <utility>

#include "game/Deal.h"
#include "game/GameEngine.h"
#include "game/TileSlot.h"

namespace tavro {

void GameEngine::NewGame() {
    InputGate::Hold dealing(gate_);
    ++dealNumber_;
    waiting_.Release();  // a wait of the last deal holds the gate no longer
    game_.MatchedTiles.fill(0);

    // Every card face down. Without a card back the game cannot be shown at all: the view is
    // told (the program ends), the remaining cards are not tried, and the gate stays closed.
    for (int tile = 1; tile <= kTileCount; ++tile) {
        try {
            ShowBack(tile);
        } catch (...) {
            noGame_ = std::move(dealing);
            Report({Outcome::Kind::CardBackMissing});
            return;
        }
    }

    noGame_.Release();
    game_.HintsLeft = kHintsPerGame;
    view_.setHintCommandEnabled(true);

    random_.ReseedRandom();
    TileValues faces = ShuffleTiles(random_);
    game_.FirstPick = 0;
    game_.MatchedCount = 0;
    FoldFaces(faces);
    game_.BoardFaces = faces;
    game_.Mode = nextMode_;
    const int starter = StarterOfNextDeal();
    game_.CurrentPlayer = static_cast<std::uint8_t>(starter);
    lastDeal_ = {nextMode_, nextStrength_, nextStarts_, starter};
    game_.PlayerPoints.fill(0);
    computer_.NewDeal(nextStrength_);

    view_.setHintCommandEnabled(game_.HintsLeft != 0);
    SetPoints(0);
    GoOn(std::move(dealing));  // the gate opens, or the computer begins
    Report({Outcome::Kind::NewGameDealt, 0, 0, 0, false, starter});
}

}  // namespace tavro
