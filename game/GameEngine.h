// SPDX-License-Identifier: GPL-3.0-or-later
// The game core: the deal (NewGame), the turn engine (SelectTile), the score (SetPoints) and the
// hint (HintPair). It works on the shared state and reaches the board only through BoardView.
// It never sleeps: the waits after a mismatch and during a hint keep the input gate closed and
// continue through BoardView::runAfter.
#pragma once

#include <cstdint>
#include <functional>
#include <string>

#include "game/BoardView.h"
#include "game/GameState.h"
#include "game/InputGate.h"
#include "game/RandomSource.h"
#include "settings/Settings.h"

namespace tavro {

inline constexpr std::int32_t kMatchPoints = 100;
inline constexpr std::int32_t kMismatchPoints = -10;
inline constexpr std::int32_t kHintPoints = -75;
inline constexpr int kHintMilliseconds = 600;

class GameEngine {
public:
    // tenthLeadPoints gives LeadPoints[10] of the table in memory, read at the end of a game.
    GameEngine(GameState& game, const Settings& settings, std::uint8_t& inputState, BoardView& view,
               std::function<std::int32_t()> tenthLeadPoints, RandomSource random = RandomSource());

    void NewGame();
    // Picture k calls this with k. Throws when a face cannot be loaded, after leaving the card
    // face down, undoing the turn's score and reopening the gate.
    void SelectTile(int tile);
    void HintPair();
    void SetPoints(std::int32_t value);
    void ShowFace(int tile);
    void ShowBack(int tile);

    // File names of the current card set.
    std::string CardBackFile() const;
    std::string FaceFile(std::int32_t faceId) const;

private:
    bool IsMatched(int tile) const;
    bool IgnoresClick(int tile) const;
    int PartnerOf(int tile) const;
    int LowestUnmatchedTile() const;
    void TurnFirstCard(int tile);
    void KeepMatchedPair(int tile);
    void ShowMismatchedPair(int tile);
    void TurnMismatchedPairBack(int tile, int firstPick, std::uint32_t deal);
    void EndGame();
    void FlashHint(int partner, int tile);
    void EndHint(int partner, int tile, std::uint32_t deal);

    GameState& game_;
    const Settings& settings_;
    std::uint8_t& inputState_;
    BoardView& view_;
    std::function<std::int32_t()> tenthLeadPoints_;
    RandomSource random_;
    // Counts the deals, so that a wait still pending when a new game starts leaves it alone.
    std::uint32_t dealNumber_ = 0;
};

}  // namespace tavro
