// SPDX-License-Identifier: GPL-3.0-or-later
// The turn engine: a click on tile k turns a first card up, or compares a second card with it
// and keeps the pair (+100) or shows it for FlipDelay milliseconds and turns both back (-10).
// The input gate stays closed while a step runs and during the wait; the wait goes through
// BoardView::runAfter so the GUI thread never sleeps.
//
// A face picture that cannot be loaded ends the turn cleanly: the card stays face down, the
// score, the matched slots and (for a first card) FirstPick are put back as they were before the
// click, the gate reopens and the error goes on to the caller, whose handler reports it. The
// player can then click again, for example after the card set is repaired.
#include <exception>

#include "game/GameEngine.h"
#include "game/TileSlot.h"

namespace tavro {

bool GameEngine::IgnoresClick(int tile) const {
    // A finished game (all slots used) ignores every click, also if the slots were cleared by a
    // deal that stopped early for want of a card back.
    return inputState_ == kInputBusy || tile < 1 || tile > kTileCount || IsMatched(tile) ||
           tile == game_.FirstPick || game_.MatchedCount >= kTileCount;
}

void GameEngine::SelectTile(int tile) {
    if (IgnoresClick(tile)) {
        return;
    }
    if (game_.FirstPick == 0) {
        TurnFirstCard(tile);
    } else if (game_.BoardFaces[Slot(game_.FirstPick)] == game_.BoardFaces[Slot(tile)]) {
        KeepMatchedPair(tile);
    } else {
        ShowMismatchedPair(tile);
    }
}

void GameEngine::TurnFirstCard(int tile) {
    inputState_ = kInputBusy;
    game_.FirstPick = static_cast<std::uint8_t>(tile);
    try {
        ShowFace(tile);
    } catch (...) {
        game_.FirstPick = 0;
        inputState_ = kInputReady;
        throw;
    }
    inputState_ = kInputReady;
    view_.reportOutcome({Outcome::Kind::FaceShown, tile});
}

void GameEngine::KeepMatchedPair(int tile) {
    inputState_ = kInputBusy;
    const std::int32_t pointsBefore = game_.Points;
    SetPoints(pointsBefore + kMatchPoints);
    const int count = game_.MatchedCount;
    game_.MatchedTiles[Slot(count + 1)] = game_.FirstPick;
    game_.MatchedTiles[Slot(count + 2)] = static_cast<std::uint8_t>(tile);
    game_.MatchedCount = static_cast<std::uint8_t>(count + 2);
    try {
        ShowFace(tile);
    } catch (...) {
        // The first card stays up and keeps waiting for its partner.
        game_.MatchedTiles[Slot(count + 1)] = 0;
        game_.MatchedTiles[Slot(count + 2)] = 0;
        game_.MatchedCount = static_cast<std::uint8_t>(count);
        SetPoints(pointsBefore);
        inputState_ = kInputReady;
        throw;
    }
    const int firstPick = game_.FirstPick;
    game_.FirstPick = 0;
    view_.reportOutcome({Outcome::Kind::FaceShown, tile});
    view_.reportOutcome({Outcome::Kind::PairMatched, firstPick, tile, game_.Points});
    if (game_.MatchedCount == kTileCount) {
        EndGame();
    } else {
        inputState_ = kInputReady;
    }
}

void GameEngine::EndGame() {
    // The gate stays closed while the name entry runs; the dialog reopens it. If the score does
    // not qualify, the gate reopens here so that the menu commands work again. The end is told
    // first, so that a screen reader says it before the name entry opens.
    view_.reportOutcome({Outcome::Kind::GameEnded, 0, 0, game_.Points});
    try {
        if (game_.Points > tenthLeadPoints_()) {
            view_.qualifyingGameEnded();
            return;
        }
    } catch (...) {
        inputState_ = kInputReady;  // never leave the program without input after a failure
        throw;
    }
    inputState_ = kInputReady;
}

void GameEngine::ShowMismatchedPair(int tile) {
    inputState_ = kInputBusy;
    const std::int32_t pointsBefore = game_.Points;
    SetPoints(pointsBefore + kMismatchPoints);
    try {
        ShowFace(tile);
    } catch (...) {
        SetPoints(pointsBefore);
        inputState_ = kInputReady;
        throw;
    }
    view_.repaintTile(tile);
    const int firstPick = game_.FirstPick;
    view_.reportOutcome({Outcome::Kind::FaceShown, tile});
    view_.reportOutcome({Outcome::Kind::PairMismatched, firstPick, tile, game_.Points});
    view_.processPendingEvents();  // clicks waiting now find the gate closed and are dropped

    const std::uint32_t deal = dealNumber_;
    if (settings_.FlipDelay <= 0) {
        TurnMismatchedPairBack(tile, firstPick, deal);
    } else {
        view_.runAfter(settings_.FlipDelay, [this, tile, firstPick, deal] {
            TurnMismatchedPairBack(tile, firstPick, deal);
        });
    }
}

void GameEngine::TurnMismatchedPairBack(int tile, int firstPick, std::uint32_t deal) {
    if (deal != dealNumber_) {
        return;  // a new game was dealt during the wait: its cards are already face down
    }
    // Both cards are turned back even if the first cannot be; the turn then ends as usual (no
    // pick waiting, gate open) and the first error goes on to the view's handler.
    std::exception_ptr failure;
    for (const int card : {tile, firstPick}) {
        try {
            ShowBack(card);
        } catch (...) {
            if (!failure) {
                failure = std::current_exception();
            }
        }
    }
    game_.FirstPick = 0;
    inputState_ = kInputReady;
    if (failure) {
        std::rethrow_exception(failure);
    }
    view_.reportOutcome({Outcome::Kind::PairTurnedBack, firstPick, tile});
}

}  // namespace tavro
