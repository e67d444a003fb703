// SPDX-License-Identifier: GPL-3.0-or-later
// The turn engine: a click on tile k turns a first card up, or compares a second card with it
// and keeps the pair (+100) or shows it for FlipDelay milliseconds and turns both back (-10).
// The input gate stays closed while a step runs and during the wait, which the view times
// (BoardView::requestWait) so that nothing here ever blocks.
//
// A face picture that cannot be shown ends the turn cleanly: the card stays face down, the
// score, the matched slots and (for a first card) FirstPick are put back as they were before the
// click, the gate's hold ends with the step and the error goes on to the caller, whose handler
// reports it. The player can then click again, for example after the card set is repaired.
#include <exception>

#include "game/GameEngine.h"
#include "game/TileSlot.h"

namespace tavro {

bool GameEngine::IgnoresClick(int tile) const {
    // A finished game (all slots used) ignores every click, also if the slots were cleared by a
    // deal that stopped early for want of a card back.
    return !gate_.IsOpen() || tile < 1 || tile > kTileCount || IsMatched(tile) ||
           tile == game_.FirstPick || game_.MatchedCount >= kTileCount;
}

void GameEngine::SelectTile(int tile) {
    if (IgnoresClick(tile)) {
        return;
    }
    InputGate::Hold busy(gate_);
    if (game_.FirstPick == 0) {
        TurnFirstCard(tile, std::move(busy));
    } else if (game_.BoardFaces[Slot(game_.FirstPick)] == game_.BoardFaces[Slot(tile)]) {
        KeepMatchedPair(tile, std::move(busy));
    } else {
        ShowMismatchedPair(tile, std::move(busy));
    }
}

void GameEngine::TurnFirstCard(int tile, InputGate::Hold busy) {
    game_.FirstPick = static_cast<std::uint8_t>(tile);
    try {
        ShowFace(tile);
    } catch (...) {
        game_.FirstPick = 0;
        throw;
    }
    busy.Release();
    view_.reportOutcome({Outcome::Kind::FaceShown, tile});
}

void GameEngine::KeepMatchedPair(int tile, InputGate::Hold busy) {
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
        throw;
    }
    const int firstPick = game_.FirstPick;
    game_.FirstPick = 0;
    busy.Release();
    view_.reportOutcome({Outcome::Kind::FaceShown, tile});
    view_.reportOutcome({Outcome::Kind::PairMatched, firstPick, tile, game_.Points});
    if (game_.MatchedCount == kTileCount) {
        EndGame();
    }
}

// The end is told with whether the score enters the Leads; what follows (the name entry) is the
// view's to decide.
void GameEngine::EndGame() {
    const bool qualifies = game_.Points > tenthLeadPoints_();
    view_.reportOutcome({Outcome::Kind::GameEnded, 0, 0, game_.Points, qualifies});
}

void GameEngine::ShowMismatchedPair(int tile, InputGate::Hold busy) {
    const std::int32_t pointsBefore = game_.Points;
    SetPoints(pointsBefore + kMismatchPoints);
    try {
        ShowFace(tile);
    } catch (...) {
        SetPoints(pointsBefore);
        throw;
    }
    const int firstPick = game_.FirstPick;
    view_.reportOutcome({Outcome::Kind::FaceShown, tile});
    view_.reportOutcome({Outcome::Kind::PairMismatched, firstPick, tile, game_.Points});

    const WaitRequest wait{WaitRequest::Kind::TurnBackPair, flipDelay_, dealNumber_, firstPick,
                           tile};
    if (flipDelay_ <= 0) {
        TurnMismatchedPairBack(wait, std::move(busy));
    } else {
        Wait(wait, std::move(busy));
    }
}

void GameEngine::TurnMismatchedPairBack(const WaitRequest& wait, InputGate::Hold busy) {
    // Both cards are turned back even if the first cannot be; the turn then ends as usual (no
    // pick waiting, gate open) and the first error goes on to the view's handler.
    std::exception_ptr failure;
    for (const int card : {wait.second, wait.first}) {
        try {
            ShowBack(card);
        } catch (...) {
            if (!failure) {
                failure = std::current_exception();
            }
        }
    }
    game_.FirstPick = 0;
    busy.Release();
    if (failure) {
        std::rethrow_exception(failure);
    }
    view_.reportOutcome({Outcome::Kind::PairTurnedBack, wait.first, wait.second});
}

}  // namespace tavro
