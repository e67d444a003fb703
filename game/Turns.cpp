// SPDX-License-Identifier: GPL-3.0-or-later
// The turn engine: a click on tile k turns a first card up, or compares a second card with it
// and keeps the pair (+100) or shows it for FlipDelay milliseconds and turns both back (-10).
// The input gate stays closed while a step runs and during the wait, which the view times
// (BoardView::requestWait) so that nothing here ever blocks. In a game of two the points go to
// the player whose turn it is; a match keeps the turn, and a mismatched pair passes it once the
// pair is turned back.
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
    TurnCard(tile, InputGate::Hold(gate_));
}

// The same for the player's click and the computer's choice.
void GameEngine::TurnCard(int tile, InputGate::Hold busy) {
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
    GoOn(std::move(busy));
    Report({Outcome::Kind::FaceShown, tile, 0, 0, false, game_.CurrentPlayer});
}

void GameEngine::KeepMatchedPair(int tile, InputGate::Hold busy) {
    const std::int32_t pointsBefore = ScoreOf(game_.CurrentPlayer);
    AddPoints(kMatchPoints);
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
        SetScore(game_.CurrentPlayer, pointsBefore);
        throw;
    }
    const int firstPick = game_.FirstPick;
    game_.FirstPick = 0;
    computer_.Matched(firstPick, tile);
    const bool over = game_.MatchedCount == kTileCount;
    if (over) {
        busy.Release();
    } else {
        GoOn(std::move(busy));  // the same player goes again
    }
    Report({Outcome::Kind::FaceShown, tile, 0, 0, false, game_.CurrentPlayer});
    Report(AboutCurrentPlayer(Outcome::Kind::PairMatched, firstPick, tile));
    if (over) {
        EndGame();
    }
}

// The end is told with whether the score enters the Leads; what follows (the name entry) is the
// view's to decide. A game of two never enters them: it ends with its winner.
void GameEngine::EndGame() {
    if (IsTogether()) {
        const int winner = Leader();
        Report({Outcome::Kind::GameEnded, 0, 0,
                game_.PlayerPoints[Slot(winner == kNoPlayer ? 0 : winner)], false, winner});
        return;
    }
    const bool qualifies = game_.Points > tenthLeadPoints_();
    Report({Outcome::Kind::GameEnded, 0, 0, game_.Points, qualifies});
}

void GameEngine::ShowMismatchedPair(int tile, InputGate::Hold busy) {
    const std::int32_t pointsBefore = ScoreOf(game_.CurrentPlayer);
    AddPoints(kMismatchPoints);
    try {
        ShowFace(tile);
    } catch (...) {
        SetScore(game_.CurrentPlayer, pointsBefore);
        throw;
    }
    const int firstPick = game_.FirstPick;
    Report({Outcome::Kind::FaceShown, tile, 0, 0, false, game_.CurrentPlayer});
    Report(AboutCurrentPlayer(Outcome::Kind::PairMismatched, firstPick, tile));

    // The computer's pair stays up at least as long as its cards take to turn.
    const int delay = ComputerHasTurn() ? ComputerPace() : flipDelay_;
    const WaitRequest wait{WaitRequest::Kind::TurnBackPair, delay, dealNumber_, firstPick, tile};
    if (delay <= 0) {
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
    const bool passes = IsTogether();
    if (passes) {
        PassTurn();
    }
    GoOn(std::move(busy));
    if (failure) {
        if (passes) {
            Report(AboutCurrentPlayer(Outcome::Kind::TurnPassed));
        }
        std::rethrow_exception(failure);
    }
    Report({Outcome::Kind::PairTurnedBack, wait.first, wait.second, 0, false,
            passes ? 1 - game_.CurrentPlayer : 0});
    if (passes) {
        Report(AboutCurrentPlayer(Outcome::Kind::TurnPassed));
    }
}

void GameEngine::PassTurn() {
    game_.CurrentPlayer = static_cast<std::uint8_t>(1 - game_.CurrentPlayer);
}

}  // namespace tavro
