// SPDX-License-Identifier: GPL-3.0-or-later
// The game core: the deal (NewGame), the turn engine (SelectTile), the score (SetPoints) and the
// hint (HintPair). It works on the game state and reaches the board only through BoardView: it
// says what to show, reports each outcome and asks for its waits as data, and the view calls
// FinishWait when a wait is over. It never waits, runs events or opens a window itself. While a
// step runs, while a wait is pending and while no game is dealt it holds the input gate closed.
#pragma once

#include <array>
#include <cstdint>
#include <functional>

#include "game/BoardView.h"
#include "game/GameState.h"
#include "game/InputGate.h"
#include "game/RandomSource.h"

namespace tavro {

inline constexpr std::int32_t kMatchPoints = 100;
inline constexpr std::int32_t kMismatchPoints = -10;
inline constexpr std::int32_t kHintPoints = -75;
inline constexpr int kHintMilliseconds = 600;

// What a tile shows, as screen readers are told.
enum class TileState { FaceDown, FaceUp, Matched };

class GameEngine {
public:
    // flipDelay: how long a mismatched pair stays face up, in milliseconds, read at every
    // mismatch (the setting, which Options changes). tenthLeadPoints gives LeadPoints[10] of the
    // table in memory, read at the end of a game. The gate stays closed until the first deal.
    GameEngine(GameState& game, InputGate& gate, BoardView& view, const std::int32_t& flipDelay,
               std::function<std::int32_t()> tenthLeadPoints, RandomSource random = RandomSource());

    void NewGame();
    // Picture k calls this with k. Throws when a face cannot be shown, after leaving the card
    // face down and undoing the turn's score.
    void SelectTile(int tile);
    void HintPair();
    // A wait this engine asked for is over: the mismatched pair turns back, or the hint ends.
    // Throws when a card back cannot be shown, after ending the turn all the same.
    void FinishWait(const WaitRequest& wait);
    void SetPoints(std::int32_t value);

    TileState TileStateOf(int tile) const;

private:
    bool IsMatched(int tile) const;
    bool IgnoresClick(int tile) const;
    int PartnerOf(int tile) const;
    int LowestUnmatchedTile() const;
    void Show(int tile, std::int32_t face);
    void ShowFace(int tile);
    void ShowBack(int tile);
    void Wait(const WaitRequest& wait, InputGate::Hold busy);
    void TurnFirstCard(int tile, InputGate::Hold busy);
    void KeepMatchedPair(int tile, InputGate::Hold busy);
    void ShowMismatchedPair(int tile, InputGate::Hold busy);
    void TurnMismatchedPairBack(const WaitRequest& wait, InputGate::Hold busy);
    void EndGame();
    void FlashHint(int partner, int tile, InputGate::Hold busy);
    void EndHint(const WaitRequest& wait, bool ofThisDeal, InputGate::Hold busy);

    GameState& game_;
    InputGate& gate_;
    BoardView& view_;
    const std::int32_t& flipDelay_;
    std::function<std::int32_t()> tenthLeadPoints_;
    RandomSource random_;
    // Counts the deals, so that a wait still pending when a new game starts leaves it alone.
    std::uint32_t dealNumber_ = 0;
    // By TileIndex: the face each tile shows, kCardBack while it is face down.
    std::array<std::int32_t, kTileCount + 1> shownFaces_{};
    InputGate::Hold noGame_;   // until a deal has put every card face down
    InputGate::Hold waiting_;  // while a wait of this deal is pending
};

}  // namespace tavro
