// SPDX-License-Identifier: GPL-3.0-or-later
// What the core tells its view, and the gate it holds: the outcomes of a game in their order, the
// tile states the engine answers, counted holds (a dialog that closes during a pending wait does
// not open the gate), and a wait handed back twice or from an earlier deal.
#include <gtest/gtest.h>

#include <stdexcept>
#include <utility>

#include "game/GameFixture.h"

namespace tavro::test {
namespace {

using Kind = Outcome::Kind;

class OutcomeTest : public GameFixture {};

TEST(InputGateTest, ClosedWhileAnyHoldLives) {
    InputGate gate;
    EXPECT_TRUE(gate.IsOpen());
    InputGate::Hold first(gate);
    {
        InputGate::Hold second(gate);
        EXPECT_EQ(gate, kInputBusy);
    }
    EXPECT_EQ(gate, kInputBusy);  // the first still holds it
    InputGate::Hold moved = std::move(first);
    EXPECT_FALSE(first.Holds());
    first.Release();  // holds nothing any more: no effect
    EXPECT_EQ(gate, kInputBusy);
    moved.Release();
    EXPECT_EQ(gate, kInputReady);
    try {
        const InputGate::Hold during(gate);
        throw std::runtime_error("a step fails");
    } catch (const std::runtime_error&) {
    }
    EXPECT_TRUE(gate.IsOpen());
}

TEST_F(OutcomeTest, ATurnTellsWhatHappenedInOrder) {
    const int second = strangerTo(1);
    engine.SelectTile(1);
    engine.SelectTile(second);
    board.runAll();
    matchPairOf(1);
    engine.HintPair();
    board.runAll();
    EXPECT_EQ(board.outcomeKinds(),
              (std::vector<Kind>{Kind::FaceShown, Kind::FaceShown, Kind::PairMismatched,
                                 Kind::PairTurnedBack, Kind::FaceShown, Kind::FaceShown,
                                 Kind::PairMatched, Kind::HintShown, Kind::HintEnded}));
    const Outcome& turnedBack = board.outcomes[3];
    EXPECT_EQ(std::make_pair(turnedBack.first, turnedBack.second), std::make_pair(1, second));
    EXPECT_EQ(board.outcomes[6].points, 100 - 10);
    EXPECT_EQ(board.outcomes.back().points, 100 - 10 - 75);
}

TEST_F(OutcomeTest, TheEngineKnowsWhatEachTileShows) {
    const int second = strangerTo(1);
    engine.SelectTile(1);
    EXPECT_EQ(engine.TileStateOf(1), TileState::FaceUp);
    engine.SelectTile(second);
    EXPECT_EQ(engine.TileStateOf(second), TileState::FaceUp);  // during the wait
    board.failingFiles.insert(backFile());
    EXPECT_THROW(board.runNext(), std::runtime_error);
    // The cards could not be turned back: they still show their faces and say so.
    EXPECT_EQ(engine.TileStateOf(1), TileState::FaceUp);
    board.failingFiles.clear();
    engine.NewGame();
    EXPECT_EQ(engine.TileStateOf(1), TileState::FaceDown);
    matchPairOf(1);
    EXPECT_EQ(engine.TileStateOf(1), TileState::Matched);
    EXPECT_EQ(engine.TileStateOf(partnerOf(1)), TileState::Matched);
    EXPECT_EQ(engine.TileStateOf(strangerTo(1)), TileState::FaceDown);
}

TEST_F(OutcomeTest, ADialogClosingDuringAWaitLeavesTheGateClosed) {
    engine.SelectTile(1);
    engine.SelectTile(strangerTo(1));
    {
        const InputGate::Hold dialog(gate);  // shown and closed while the pair is up
    }
    EXPECT_EQ(gate, kInputBusy);
    board.runNext();
    EXPECT_EQ(gate, kInputReady);
}

TEST_F(OutcomeTest, AWaitHandedBackTwiceEndsOnce) {
    engine.HintPair();
    const WaitRequest hint = board.pending.front();
    board.runNext();
    EXPECT_TRUE(showsPoints(-75));
    engine.SelectTile(1);  // a card up: the gate is open again
    engine.FinishWait(hint);
    EXPECT_TRUE(showsPoints(-75));
    EXPECT_EQ(gate, kInputReady);
    EXPECT_EQ(game.FirstPick, 1);
}

}  // namespace
}  // namespace tavro::test
