// SPDX-License-Identifier: GPL-3.0-or-later
// The rules of turns for two players, in one table: a match keeps the turn, a mismatch passes it
// once the pair is turned back, a hint charges the player whose turn it is and the hints are
// shared, and a game ends with its winner or a draw, never for the Leads.
#include <gtest/gtest.h>

#include <vector>

#include "game/GameFixture.h"

namespace tavro::test {
namespace {

using Kind = Outcome::Kind;

enum class Step {
    Match,        // the player whose turn it is finds a pair
    Miss,         // ... turns two cards that differ, and they turn back
    MissWaiting,  // ... turns two cards that differ, and the delay is not over yet
    Hint,         // ... asks for a hint, which ends
};

std::vector<Step> Times(int count, Step step) {
    return std::vector<Step>(static_cast<std::size_t>(count), step);
}

std::vector<Step> Then(std::vector<Step> steps, const std::vector<Step>& more) {
    steps.insert(steps.end(), more.begin(), more.end());
    return steps;
}

struct TurnCase {
    const char* name;
    std::vector<Step> steps;
    std::array<std::int32_t, 2> points;
    int current;    // whose turn it is afterwards
    int hintsLeft;  // of the game's 50
    Kind last;      // the last outcome
    int lastPlayer;
};

class PlayersTest : public GameFixture, public testing::WithParamInterface<TurnCase> {
protected:
    void SetUp() override {
        GameFixture::SetUp();
        engine.SetPlayers(PlayMode::TwoPlayers, ComputerStrength::Fair);
        engine.NewGame();
        board.outcomes.clear();
    }

    // An unmatched tile whose face differs from the first unmatched one's.
    int unmatchedStranger() const {
        const int first = firstUnmatched();
        for (int tile = first + 1; tile <= kTileCount; ++tile) {
            if (!isMatched(tile) && face(tile) != face(first)) {
                return tile;
            }
        }
        return 0;
    }

    void play(Step step) {
        switch (step) {
            case Step::Match:
                matchPairOf(firstUnmatched());
                break;
            case Step::Miss:
            case Step::MissWaiting: {
                const int stranger = unmatchedStranger();
                engine.SelectTile(firstUnmatched());
                engine.SelectTile(stranger);
                if (step == Step::Miss) {
                    board.runAll();
                }
                break;
            }
            case Step::Hint:
                engine.HintPair();
                board.runAll();
                break;
        }
    }
};

TEST_P(PlayersTest, FollowsTheRulesOfTurns) {
    const TurnCase& row = GetParam();
    tenthLead = -1000;  // any score of one player would enter the Leads
    for (const Step step : row.steps) {
        play(step);
    }
    EXPECT_EQ(game.PlayerPoints, row.points);
    EXPECT_EQ(engine.ScoreOf(0), row.points[0]);
    EXPECT_EQ(engine.ScoreOf(1), row.points[1]);
    EXPECT_EQ(game.Points, 0);  // the one player's score stays out of it
    EXPECT_EQ(board.pointsText, "0");
    EXPECT_EQ(game.CurrentPlayer, row.current);
    EXPECT_EQ(game.HintsLeft, row.hintsLeft);
    ASSERT_FALSE(board.outcomes.empty());
    EXPECT_EQ(board.outcomes.back().kind, row.last);
    EXPECT_EQ(board.outcomes.back().player, row.lastPlayer);
    if (row.last == Kind::GameEnded) {
        EXPECT_FALSE(board.outcomes.back().qualifiesForLeads);
        const int winner = row.lastPlayer == kNoPlayer ? 0 : row.lastPlayer;
        EXPECT_EQ(board.outcomes.back().points, row.points[static_cast<std::size_t>(winner)]);
        EXPECT_EQ(engine.Leader(), row.lastPlayer);
    }
    EXPECT_EQ(gate.IsOpen(), row.steps.back() != Step::MissWaiting);
}

INSTANTIATE_TEST_SUITE_P(
    Turns, PlayersTest,
    testing::Values(
        TurnCase{
            "MatchKeepsTheTurn", {Step::Match, Step::Match}, {200, 0}, 0, 50, Kind::PairMatched, 0},
        TurnCase{"MismatchWaitsForTheDelay",
                 {Step::MissWaiting},
                 {-10, 0},
                 0,
                 50,
                 Kind::PairMismatched,
                 0},
        TurnCase{"MismatchPassesTheTurn", {Step::Miss}, {-10, 0}, 1, 50, Kind::TurnPassed, 1},
        TurnCase{"TheSecondScoresForHimself",
                 {Step::Miss, Step::Match, Step::Miss},
                 {-10, 90},
                 0,
                 50,
                 Kind::TurnPassed,
                 0},
        TurnCase{"HintChargesThePlayerWhoseTurnItIs",
                 {Step::Miss, Step::Hint},
                 {-10, -75},
                 1,
                 49,
                 Kind::HintEnded,
                 1},
        TurnCase{"HintsAreShared",
                 {Step::Hint, Step::Miss, Step::Hint, Step::Hint},
                 {-85, -150},
                 1,
                 47,
                 Kind::HintEnded,
                 1},
        TurnCase{"Win",
                 Then({Step::Miss}, Times(18, Step::Match)),
                 {-10, 1800},
                 1,
                 50,
                 Kind::GameEnded,
                 1},
        TurnCase{"Draw",
                 Then(Then({Step::Miss}, Times(9, Step::Match)),
                      Then({Step::Miss}, Times(9, Step::Match))),
                 {890, 890},
                 0,
                 50,
                 Kind::GameEnded,
                 kNoPlayer}),
    [](const testing::TestParamInfo<TurnCase>& info) { return info.param.name; });

// A new deal seats the players chosen for it, and one player again plays as always.
TEST_F(PlayersTest, ANewDealStartsWithTheFirstPlayerAndNoPoints) {
    play(Step::Miss);
    play(Step::Match);
    engine.NewGame();
    EXPECT_EQ(game.CurrentPlayer, 0);
    EXPECT_EQ(game.PlayerPoints, (std::array<std::int32_t, 2>{0, 0}));
    EXPECT_EQ(board.outcomes.back().kind, Kind::NewGameDealt);

    engine.SetPlayers(PlayMode::OnePlayer, ComputerStrength::Fair);
    EXPECT_EQ(game.Mode, PlayMode::TwoPlayers);  // until the next deal
    engine.NewGame();
    play(Step::Miss);
    play(Step::Match);
    EXPECT_EQ(game.Mode, PlayMode::OnePlayer);
    EXPECT_EQ(game.CurrentPlayer, 0);
    EXPECT_TRUE(showsPoints(90));
    EXPECT_EQ(engine.ScoreOf(0), 90);
}

}  // namespace
}  // namespace tavro::test
