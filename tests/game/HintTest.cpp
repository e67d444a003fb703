// SPDX-License-Identifier: GPL-3.0-or-later
// The hint: which frames flash and in what order, the 600 ms with the gate closed, the cost, a
// finished game, and the 51st use that disables the command until the next deal.
#include <gtest/gtest.h>

#include "game/GameFixture.h"

namespace tavro::test {
namespace {

class HintTest : public GameFixture {
protected:
    static std::string frame(int tile, const char* colour) {
        return "frame " + std::to_string(tile) + " " + colour;
    }
    void useHints(int count) {
        for (int use = 0; use < count; ++use) {
            engine.HintPair();
            board.runAll();
        }
    }
};

TEST_F(HintTest, WithACardUpOnlyItsPartnerFlashes) {
    engine.SelectTile(8);
    board.clearLog();
    const int partner = partnerOf(8);

    engine.HintPair();
    EXPECT_EQ(board.log, (std::vector<std::string>{frame(partner, "hint"), "after 600"}));
    EXPECT_EQ(gate, 0);
    EXPECT_EQ(game.HintsLeft, kHintsPerGame - 1);
    EXPECT_EQ(game.Points, 0);  // charged when the highlight ends

    board.clearLog();
    board.runNext();
    EXPECT_EQ(board.log, (std::vector<std::string>{frame(partner, "normal"), "points -75"}));
    EXPECT_EQ(gate, 1);
    EXPECT_TRUE(showsPoints(-75));
    EXPECT_EQ(game.FirstPick, 8);  // the player still has to click
    EXPECT_EQ(game.MatchedCount, 0);
}

TEST_F(HintTest, WithNoCardUpTheLowestUnmatchedPairFlashes) {
    matchPairOf(1);
    matchPairOf(strangerTo(1));
    const int lowest = firstUnmatched();
    const int partner = partnerOf(lowest);
    board.clearLog();

    engine.HintPair();
    EXPECT_EQ(board.log, (std::vector<std::string>{frame(partner, "hint"), frame(lowest, "hint"),
                                                   "after 600"}));
    board.clearLog();
    board.runNext();
    EXPECT_EQ(board.log, (std::vector<std::string>{frame(partner, "normal"),
                                                   frame(lowest, "normal"), "points 125"}));
    EXPECT_EQ(game.Points, 200 - 75);
    EXPECT_EQ(gate, 1);
    EXPECT_EQ(game.MatchedCount, 4);
    EXPECT_EQ(board.frameColour[partner], kFrameNormal);
    EXPECT_EQ(board.frameColour[lowest], kFrameNormal);
}

TEST_F(HintTest, GateStaysClosedForTheWholeHighlight) {
    engine.HintPair();
    ASSERT_EQ(board.pending.size(), 1u);
    EXPECT_EQ(board.pending.front().milliseconds, 600);
    EXPECT_EQ(gate, 0);

    engine.SelectTile(1);  // ignored
    engine.HintPair();     // ignored: no second hint used
    EXPECT_EQ(game.FirstPick, 0);
    EXPECT_EQ(game.HintsLeft, kHintsPerGame - 1);
    EXPECT_EQ(board.pending.size(), 1u);

    board.runNext();
    EXPECT_EQ(gate, 1);
    engine.SelectTile(1);
    EXPECT_EQ(game.FirstPick, 1);
}

TEST_F(HintTest, FinishedGameUsesAHintButCostsNothing) {
    tenthLead = 5000;  // not qualifying, so the gate reopens
    matchAll();
    board.clearLog();
    engine.HintPair();
    EXPECT_EQ(game.HintsLeft, kHintsPerGame - 1);
    EXPECT_EQ(game.Points, 1800);
    EXPECT_EQ(gate, 1);
    EXPECT_TRUE(board.log.empty());
    EXPECT_TRUE(board.pending.empty());
}

TEST_F(HintTest, FiftyFirstUseDisablesAndNewGameEnables) {
    useHints(kHintsPerGame);
    EXPECT_EQ(game.HintsLeft, 0);
    EXPECT_EQ(game.Points, -75 * kHintsPerGame);
    EXPECT_TRUE(board.hintCommandEnabled);  // still enabled after the 50th
    board.clearLog();

    engine.HintPair();
    EXPECT_EQ(board.log, (std::vector<std::string>{"hint off"}));
    EXPECT_FALSE(board.hintCommandEnabled);
    EXPECT_EQ(game.Points, -75 * kHintsPerGame);
    EXPECT_EQ(gate, 1);
    EXPECT_EQ(game.HintsLeft, 0);

    engine.NewGame();
    EXPECT_TRUE(board.hintCommandEnabled);
    EXPECT_EQ(game.HintsLeft, kHintsPerGame);
    useHints(1);
    EXPECT_EQ(board.pointsText, "-75");
}

TEST_F(HintTest, HighlightFromAnEarlierDealRestoresFramesOnly) {
    engine.HintPair();
    engine.NewGame();
    board.clearLog();
    board.runAll();
    EXPECT_EQ(board.log.size(), 2u);  // two frames back to normal
    EXPECT_TRUE(showsPoints(0));
    EXPECT_EQ(gate, 1);
}

}  // namespace
}  // namespace tavro::test
