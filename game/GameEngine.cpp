// SPDX-License-Identifier: GPL-3.0-or-later
// The engine's shared pieces: construction, the score, the pictures the tiles show, the end of a
// wait, and the queries on the board and the players that the turn engine and the hint both use.
#include "game/GameEngine.h"

#include <utility>

#include "game/TileSlot.h"

namespace tavro {

GameEngine::GameEngine(GameState& game, InputGate& gate, BoardView& view,
                       const std::int32_t& flipDelay, std::function<std::int32_t()> tenthLeadPoints,
                       RandomSource random, std::uint32_t computerSeed)
    : game_(game),
      gate_(gate),
      view_(view),
      flipDelay_(flipDelay),
      tenthLeadPoints_(std::move(tenthLeadPoints)),
      random_(std::move(random)),
      computer_(computerSeed),
      noGame_(gate) {}

void GameEngine::SetPoints(std::int32_t value) {
    game_.Points = value;
    view_.showPoints(value);
}

bool GameEngine::IsTogether() const {
    return game_.Mode != PlayMode::OnePlayer;
}

std::int32_t GameEngine::ScoreOf(int player) const {
    if (!IsTogether()) {
        return game_.Points;
    }
    return game_.PlayerPoints[Slot(player == 1 ? 1 : 0)];
}

void GameEngine::SetScore(int player, std::int32_t points) {
    if (IsTogether()) {
        game_.PlayerPoints[Slot(player)] = points;
    } else {
        SetPoints(points);
    }
}

void GameEngine::AddPoints(std::int32_t change) {
    SetScore(game_.CurrentPlayer, ScoreOf(game_.CurrentPlayer) + change);
}

void GameEngine::Report(Outcome outcome) const {
    const int first = outcome.first;
    outcome.face = first >= 1 && first <= kTileCount ? game_.BoardFaces[Slot(first)] : 0;
    outcome.standing.mode = game_.Mode;
    outcome.standing.scores =
        IsTogether() ? game_.PlayerPoints : std::array<std::int32_t, kMaxPlayers>{game_.Points, 0};
    outcome.standing.currentPlayer = game_.CurrentPlayer;
    outcome.standing.over = game_.MatchedCount >= kTileCount;
    outcome.standing.leader = Leader();
    view_.reportOutcome(outcome);
}

Outcome GameEngine::AboutCurrentPlayer(Outcome::Kind kind, int first, int second) const {
    return {kind, first, second, ScoreOf(game_.CurrentPlayer), false, game_.CurrentPlayer};
}

int GameEngine::Leader() const {
    if (!IsTogether() || game_.PlayerPoints[0] == game_.PlayerPoints[1]) {
        return kNoPlayer;
    }
    return game_.PlayerPoints[0] > game_.PlayerPoints[1] ? 0 : 1;
}

// The tile counts as showing the face while the view shows it, so that the view, asking
// TileStateOf meanwhile, hears of the new state; a picture that fails puts the old one back.
void GameEngine::Show(int tile, std::int32_t face) {
    const std::int32_t before = std::exchange(shownFaces_[Slot(tile)], face);
    try {
        view_.showTilePicture(tile, face);
    } catch (...) {
        shownFaces_[Slot(tile)] = before;
        throw;
    }
}

// The computer sees every face shown, whoever turned it.
void GameEngine::ShowFace(int tile) {
    Show(tile, game_.BoardFaces[Slot(tile)]);
    if (game_.Mode == PlayMode::AgainstComputer) {
        computer_.Saw(tile, game_.BoardFaces[Slot(tile)]);
    }
}

void GameEngine::ShowBack(int tile) {
    Show(tile, kCardBack);
}

// The gate stays closed with the wait; the view hands the request back to FinishWait.
void GameEngine::Wait(const WaitRequest& wait, InputGate::Hold busy) {
    view_.requestWait(wait);
    waiting_ = std::move(busy);
}

void GameEngine::FinishWait(const WaitRequest& wait) {
    // Only the pending wait of this deal ends a step; one from an earlier deal (or one handed
    // back twice) finds waiting_ empty or the deal changed.
    const bool ofThisDeal = wait.deal == dealNumber_ && waiting_.Holds();
    InputGate::Hold busy = ofThisDeal ? std::move(waiting_) : InputGate::Hold();
    switch (wait.kind) {
        case WaitRequest::Kind::TurnBackPair:
            if (ofThisDeal) {
                TurnMismatchedPairBack(wait, std::move(busy));
            }
            return;
        case WaitRequest::Kind::EndHint:
            EndHint(wait, ofThisDeal, std::move(busy));
            return;
        case WaitRequest::Kind::ComputerTurnsCard:
            if (ofThisDeal) {
                ComputerTurnsCard(wait, std::move(busy));
            }
            return;
    }
}

TileState GameEngine::TileStateOf(int tile) const {
    if (tile < 1 || tile > kTileCount || shownFaces_[Slot(tile)] == kCardBack) {
        return TileState::FaceDown;
    }
    return IsMatched(tile) ? TileState::Matched : TileState::FaceUp;
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
