// SPDX-License-Identifier: GPL-3.0-or-later
// The game core: the deal (NewGame), the turn engine (SelectTile), the score (SetPoints), the
// hint (HintPair), and the turns of two players, one of whom may be the computer. It works on the
// game state and reaches the board only through BoardView: it says what to show, reports each
// outcome and asks for its waits as data, and the view calls FinishWait when a wait is over. It
// never waits, runs events or opens a window itself. While a step runs, while a wait is pending,
// while the computer has the turn and while no game is dealt it holds the input gate closed.
#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <vector>

#include "game/BoardView.h"
#include "game/ComputerPlayer.h"
#include "game/GameState.h"
#include "game/InputGate.h"
#include "game/RandomSource.h"

namespace tavro {

inline constexpr std::int32_t kMatchPoints = 100;
inline constexpr std::int32_t kMismatchPoints = -10;
inline constexpr std::int32_t kHintPoints = -75;
inline constexpr int kHintMilliseconds = 600;
// The computer turns each card, and turns a mismatched pair back, after the delay, but never
// sooner than this: a player who plays with no delay still sees each of its cards long enough to
// take it in (about two glances), and a screen reader has begun to name it.
inline constexpr int kComputerMinimumMilliseconds = 400;

// What a tile shows, as screen readers are told.
enum class TileState { FaceDown, FaceUp, Matched };

class GameEngine {
public:
    // flipDelay: how long a mismatched pair stays face up, in milliseconds, read at every
    // mismatch (the setting, which Options changes). tenthLeadPoints gives LeadPoints[10] of the
    // table in memory, read at the end of a game. The gate stays closed until the first deal.
    // computerSeed starts the computer's own random choices.
    GameEngine(GameState& game, InputGate& gate, BoardView& view, const std::int32_t& flipDelay,
               std::function<std::int32_t()> tenthLeadPoints, RandomSource random = RandomSource(),
               std::uint32_t computerSeed = ComputerPlayer::FreshSeed());

    // Who plays the deals from the next NewGame on, the computer's strength against it and who
    // begins against it. Until it is called: one player, the game as it always was.
    void SetPlayers(PlayMode mode, ComputerStrength strength, StartRule starts = StartRule::Player);
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

    // The points of player 0 or 1 in this deal: Points with one player, else PlayerPoints.
    std::int32_t ScoreOf(int player) const;
    // Whether player 0 or 1 is the computer in this deal.
    bool IsComputer(int player) const;
    // The computer has the turn: it turns its cards from the waits it asks for.
    bool ComputerHasTurn() const;
    // Nothing but the computer's turn keeps the gate closed (no step runs, no dialog is open): a
    // menu command may go ahead. A new deal ends the turn; while a dialog is open the computer
    // waits, and plays on once it is closed.
    bool OnlyTheComputerHoldsTheGate() const;
    // The player ahead in a game of two (at its end, the winner), or kNoPlayer when both have the
    // same points.
    int Leader() const;

private:
    bool IsMatched(int tile) const;
    bool IgnoresClick(int tile) const;
    int PartnerOf(int tile) const;
    int LowestUnmatchedTile() const;
    void Show(int tile, std::int32_t face);
    void ShowFace(int tile);
    void ShowBack(int tile);
    void Wait(const WaitRequest& wait, InputGate::Hold busy);
    bool IsTogether() const;
    // Changes the current player's score: Points with one player (through SetPoints, as always).
    void AddPoints(std::int32_t change);
    void SetScore(int player, std::int32_t points);
    // Tells the view what happened, with the face of its first tile and the standing filled in.
    void Report(Outcome outcome) const;
    // An outcome about the current player, with his points.
    Outcome AboutCurrentPlayer(Outcome::Kind kind, int first = 0, int second = 0) const;
    // Ends a step: the gate opens, or the computer, having the turn, asks for its next card.
    void GoOn(InputGate::Hold busy);
    int ComputerPace() const;
    std::vector<int> FaceDownTiles() const;
    void TurnCard(int tile, InputGate::Hold busy);
    void ComputerTurnsCard(const WaitRequest& wait, InputGate::Hold busy);
    void AbandonComputerTurn();
    void PassTurn();
    // Who begins the deal being dealt, by the start rule and the deal before it.
    int StarterOfNextDeal() const;
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
    ComputerPlayer computer_;
    PlayMode nextMode_ = PlayMode::OnePlayer;
    ComputerStrength nextStrength_ = ComputerStrength::Fair;
    StartRule nextStarts_ = StartRule::Player;
    // The last deal that was dealt: its players, rule and who began it. Deals against the
    // computer in a row with the same strength and rule form a run, over which the beginner
    // alternates when the rule says so.
    struct LastDeal {
        PlayMode mode = PlayMode::OnePlayer;
        ComputerStrength strength = ComputerStrength::Fair;
        StartRule starts = StartRule::Player;
        int starter = 0;
    };
    LastDeal lastDeal_;
    // Counts the deals, so that a wait still pending when a new game starts leaves it alone.
    std::uint32_t dealNumber_ = 0;
    // By TileIndex: the face each tile shows, kCardBack while it is face down.
    std::array<std::int32_t, kTileCount + 1> shownFaces_{};
    InputGate::Hold noGame_;   // until a deal has put every card face down
    InputGate::Hold waiting_;  // while a wait of this deal is pending
};

}  // namespace tavro
