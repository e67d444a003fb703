// SPDX-License-Identifier: GPL-3.0-or-later
// Who plays, and the computer's turn. The computer turns its cards through the same steps as a
// player's click, each from a wait it asks for (BoardView::requestWait), so that the board shows
// its cards at the delay's pace and the player can watch and remember them. The gate stays
// closed from the moment the turn passes to the computer until it passes back: the player's
// clicks and the hint find it closed. While a dialog is open (it holds the gate too) the computer
// waits; a new deal ends its turn, since the waits of an earlier deal change nothing.
#include <algorithm>
#include <utility>

#include "game/GameEngine.h"
#include "game/TileSlot.h"

namespace tavro {

void GameEngine::SetPlayers(PlayMode mode, ComputerStrength strength, StartRule starts) {
    nextMode_ = mode;
    nextStrength_ = strength;
    nextStarts_ = starts;
}

// A run of deals against the computer begins with the player; taking turns, each deal after the
// first of the run begins with the one who did not begin the last. Another mode, strength or
// rule starts a new run.
int GameEngine::StarterOfNextDeal() const {
    if (nextMode_ != PlayMode::AgainstComputer || nextStarts_ != StartRule::Alternate) {
        return 0;
    }
    const bool sameRun = lastDeal_.mode == nextMode_ && lastDeal_.strength == nextStrength_ &&
                         lastDeal_.starts == nextStarts_;
    return sameRun ? 1 - lastDeal_.starter : 0;
}

bool GameEngine::IsComputer(int player) const {
    return game_.Mode == PlayMode::AgainstComputer && player == kComputerPlayer;
}

bool GameEngine::ComputerHasTurn() const {
    return IsComputer(game_.CurrentPlayer) && game_.MatchedCount < kTileCount;
}

bool GameEngine::OnlyTheComputerHoldsTheGate() const {
    return ComputerHasTurn() && gate_.IsHeldOnlyBy(waiting_);
}

int GameEngine::ComputerPace() const {
    return std::max(flipDelay_, kComputerMinimumMilliseconds);
}

void GameEngine::GoOn(InputGate::Hold busy) {
    if (ComputerHasTurn()) {
        Wait({WaitRequest::Kind::ComputerTurnsCard, ComputerPace(), dealNumber_}, std::move(busy));
    } else {
        busy.Release();
    }
}

std::vector<int> GameEngine::FaceDownTiles() const {
    std::vector<int> tiles;
    for (int tile = 1; tile <= kTileCount; ++tile) {
        if (tile != game_.FirstPick && !IsMatched(tile)) {
            tiles.push_back(tile);
        }
    }
    return tiles;
}

void GameEngine::ComputerTurnsCard(const WaitRequest& wait, InputGate::Hold busy) {
    if (!gate_.IsHeldOnlyBy(busy)) {
        Wait(wait, std::move(busy));  // a dialog is open: the computer plays on once it closes
        return;
    }
    const int firstPick = game_.FirstPick;
    const int tile = computer_.ChooseCard(FaceDownTiles(), firstPick,
                                          firstPick == 0 ? 0 : game_.BoardFaces[Slot(firstPick)]);
    try {
        TurnCard(tile, std::move(busy));
    } catch (...) {
        // A card that cannot be shown ends the computer's turn, rather than have it try again
        // and again; the error goes on to the view's handler.
        AbandonComputerTurn();
        throw;
    }
}

// The card the computer turned (if any) goes face down, and the player has the turn. Failing
// pictures are left as they are: the error that led here is reported already.
void GameEngine::AbandonComputerTurn() {
    if (game_.FirstPick != 0) {
        const int firstPick = game_.FirstPick;
        try {
            ShowBack(firstPick);
        } catch (...) {
        }
        game_.FirstPick = 0;
        Report({Outcome::Kind::PairTurnedBack, firstPick, 0, 0, false, kComputerPlayer});
    }
    PassTurn();
    Report(AboutCurrentPlayer(Outcome::Kind::TurnPassed));
}

}  // namespace tavro
