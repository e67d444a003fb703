// SPDX-License-Identifier: GPL-3.0-or-later
// Playing against the computer: its three strengths over many seeded games against a player
// who remembers nothing (a perfect memory never mismatches a card whose partner it has seen; the
// forgetful one mismatches more than the fair one, the fair one more than the perfect one), and
// its turn: at the delay's pace, with the gate closed, waiting while a dialog is open, and ended
// by a new deal; and who begins each deal of a run against it.
#include <gtest/gtest.h>

#include <cstdio>
#include <set>
#include <vector>

#include "game/GameFixture.h"
#include "game/PersonMatch.h"

namespace tavro::test {
namespace {

using Kind = Outcome::Kind;

std::int32_t face(const GameState& game, int tile) {
    return game.BoardFaces[static_cast<std::size_t>(tile)];
}

struct Tally {
    int games = 0;
    int mismatches = 0;         // the computer's
    int mismatchesSeen = 0;     // ... of a first card whose partner had been face up before
    int gateOpenInItsTurn = 0;  // checks that found the gate open while the computer played
};

// Plays whole games: the player turns the two lowest face-down cards every time, so that the
// computer sees many cards and gets many turns. Each game is dealt from another clock value.
Tally PlayAgainstTheComputer(ComputerStrength strength, int games) {
    GameState game;
    InputGate gate;
    FakeBoard board;
    std::int32_t delay = 500;
    std::uint32_t clock = 0;
    GameEngine engine(
        game, gate, board, delay, [] { return 0; }, RandomSource([&clock] { return clock; }),
        kComputerSeed);
    board.folder = kFolder;
    board.engine = &engine;
    engine.SetPlayers(PlayMode::AgainstComputer, strength);

    Tally tally;
    for (int deal = 0; deal < games; ++deal) {
        clock = 86'400'000u / static_cast<std::uint32_t>(games) * static_cast<std::uint32_t>(deal);
        engine.NewGame();
        std::set<int> seen;  // tiles that were face up at some time
        bool partnerSeen = false;
        while (game.MatchedCount < kTileCount) {
            if (!engine.ComputerHasTurn()) {
                std::vector<int> faceDown;
                for (int tile = 1; tile <= kTileCount && faceDown.size() < 2; ++tile) {
                    if (engine.TileStateOf(tile) == TileState::FaceDown) {
                        faceDown.push_back(tile);
                    }
                }
                for (const int tile : faceDown) {
                    engine.SelectTile(tile);
                    seen.insert(tile);
                }
                if (!board.pending.empty()) {
                    board.runNext();  // the pair turns back
                }
                continue;
            }
            tally.gateOpenInItsTurn += gate.IsOpen() ? 1 : 0;
            const int firstBefore = game.FirstPick;
            board.outcomes.clear();
            board.runNext();
            for (const Outcome& outcome : board.outcomes) {
                if (outcome.kind == Kind::FaceShown && firstBefore == 0 &&
                    game.FirstPick == outcome.first) {
                    int partner = 0;
                    for (int tile = 1; tile <= kTileCount; ++tile) {
                        if (tile != outcome.first &&
                            face(game, tile) == face(game, outcome.first)) {
                            partner = tile;
                        }
                    }
                    partnerSeen = seen.count(partner) != 0;
                }
                if (outcome.kind == Kind::FaceShown) {
                    seen.insert(outcome.first);
                }
                if (outcome.kind == Kind::PairMismatched && outcome.player == kComputerPlayer) {
                    ++tally.mismatches;
                    tally.mismatchesSeen += partnerSeen ? 1 : 0;
                }
            }
        }
        ++tally.games;
    }
    return tally;
}

TEST(ComputerStrengthTest, RemembersByItsStrength) {
    constexpr int kGames = 150;
    const Tally forgetful = PlayAgainstTheComputer(ComputerStrength::Forgetful, kGames);
    const Tally fair = PlayAgainstTheComputer(ComputerStrength::Fair, kGames);
    const Tally perfect = PlayAgainstTheComputer(ComputerStrength::PerfectMemory, kGames);
    EXPECT_EQ(perfect.mismatchesSeen, 0);
    EXPECT_GT(forgetful.mismatchesSeen, 0);
    EXPECT_GT(forgetful.mismatches, fair.mismatches);
    EXPECT_GT(fair.mismatches, perfect.mismatches);
    for (const Tally& tally : {forgetful, fair, perfect}) {
        EXPECT_EQ(tally.games, kGames);
        EXPECT_EQ(tally.gateOpenInItsTurn, 0);
    }
    std::printf("the computer's mismatches in %d games: forgetful %d, fair %d, perfect %d\n",
                kGames, forgetful.mismatches, fair.mismatches, perfect.mismatches);
}

// Each strength holds its place against the model of a person who recalls as people roughly do
// (recall halving every 8 cards seen, now and then a chance taken), over whole games with fixed
// random sources: about three in four won against the gentle computer, about half against the
// even one, seldom against the sharp one.
TEST(ComputerStrengthTest, EachStrengthHoldsItsPlaceAgainstAPerson) {
    constexpr int kGames = 400;
    const struct {
        ComputerStrength strength;
        double lowest;
        double highest;
    } bands[] = {{ComputerStrength::Forgetful, 0.65, 0.88},
                 {ComputerStrength::Fair, 0.40, 0.60},
                 {ComputerStrength::PerfectMemory, 0.0, 0.20}};
    for (const auto& band : bands) {
        const MatchTally tally = PlayPersonAgainstComputer(band.strength, {8.0, 0.1}, kGames);
        const double share = (tally.won + 0.5 * tally.drawn) / kGames;
        EXPECT_GE(share, band.lowest) << static_cast<int>(band.strength);
        EXPECT_LE(share, band.highest) << static_cast<int>(band.strength);
        EXPECT_EQ(tally.won + tally.drawn + tally.lost, kGames);
    }
    // The gentle computer still takes the pairs it plainly saw a moment ago.
    EXPECT_GT(PlayPersonAgainstComputer(ComputerStrength::Forgetful, {8.0, 0.1}, 50).computerPairs,
              50);
}

class ComputerTurnTest : public GameFixture {
protected:
    void SetUp() override {
        GameFixture::SetUp();
        engine.SetPlayers(PlayMode::AgainstComputer, ComputerStrength::PerfectMemory);
        engine.NewGame();
    }
    // The player mismatches and the pair turns back: the computer has the turn.
    void passTheTurn() {
        const int first = firstUnmatched();
        int stranger = first + 1;
        while (face(stranger) == face(first)) {
            ++stranger;
        }
        engine.SelectTile(first);
        engine.SelectTile(stranger);
        if (board.pending.front().kind == WaitRequest::Kind::TurnBackPair) {
            board.runNext();  // with no delay it turned back at once
        }
    }
};

TEST_F(ComputerTurnTest, PlaysAtTheDelaysPaceBehindAClosedGate) {
    flipDelay = 0;  // the player's own mismatch turns back at once
    passTheTurn();
    ASSERT_TRUE(engine.ComputerHasTurn());
    EXPECT_FALSE(gate.IsOpen());
    EXPECT_TRUE(engine.OnlyTheComputerHoldsTheGate());
    ASSERT_EQ(board.pending.size(), 1u);
    EXPECT_EQ(board.pending.front().kind, WaitRequest::Kind::ComputerTurnsCard);
    EXPECT_EQ(board.pending.front().milliseconds, kComputerMinimumMilliseconds);

    // The player's clicks and the hint find the gate closed.
    board.outcomes.clear();
    engine.SelectTile(firstUnmatched());
    engine.HintPair();
    EXPECT_TRUE(board.outcomes.empty());
    EXPECT_EQ(game.HintsLeft, kHintsPerGame);

    // A dialog opens: the computer waits for it, then plays on.
    {
        const InputGate::Hold dialog(gate);
        EXPECT_FALSE(engine.OnlyTheComputerHoldsTheGate());
        board.runNext();
        EXPECT_TRUE(board.outcomes.empty());
        ASSERT_EQ(board.pending.size(), 1u);
    }
    board.runNext();
    ASSERT_EQ(board.outcomes.size(), 1u);
    EXPECT_EQ(board.outcomes[0].kind, Kind::FaceShown);
    EXPECT_EQ(board.outcomes[0].player, kComputerPlayer);
    EXPECT_EQ(game.FirstPick, board.outcomes[0].first);

    // A new deal ends its turn: its pending card changes nothing.
    engine.NewGame();
    board.outcomes.clear();
    board.runAll();
    EXPECT_TRUE(board.outcomes.empty());
    EXPECT_TRUE(gate.IsOpen());
    EXPECT_FALSE(engine.ComputerHasTurn());
    EXPECT_EQ(game.FirstPick, 0);
}

// Its mismatched pair stays up for the delay, then the player has the turn and the gate opens.
TEST_F(ComputerTurnTest, HandsTheTurnBackAfterItsMismatch) {
    flipDelay = 1000;
    passTheTurn();
    while (engine.ComputerHasTurn()) {
        const WaitRequest next = board.pending.front();
        EXPECT_EQ(next.milliseconds, 1000);
        board.outcomes.clear();
        board.runNext();
    }
    ASSERT_FALSE(board.outcomes.empty());
    EXPECT_EQ(board.outcomes.back().kind, Kind::TurnPassed);
    EXPECT_EQ(board.outcomes.back().player, 0);
    EXPECT_TRUE(gate.IsOpen());
    EXPECT_TRUE(board.pending.empty());
}

// Deal after deal, who begins by the rule: a run against the computer begins with the player and,
// taking turns, alternates; another mode or strength starts a new run. When the computer begins,
// its first card is asked for at once, the gate stays closed, and the card is its own.
TEST_F(ComputerTurnTest, BeginsEachDealByTheStartRule) {
    constexpr auto kPerfect = ComputerStrength::PerfectMemory;
    constexpr auto kFair = ComputerStrength::Fair;
    constexpr auto kComputer = PlayMode::AgainstComputer;
    constexpr auto kAlternate = StartRule::Alternate;
    struct Deal {
        PlayMode mode;
        ComputerStrength strength;
        StartRule rule;
        int starter;
    };
    const std::vector<std::vector<Deal>> runs = {
        {{kComputer, kPerfect, StartRule::Player, 0},
         {kComputer, kPerfect, StartRule::Player, 0},
         {kComputer, kPerfect, StartRule::Player, 0}},
        {{kComputer, kPerfect, kAlternate, 0},
         {kComputer, kPerfect, kAlternate, 1},
         {kComputer, kPerfect, kAlternate, 0}},
        {{kComputer, kPerfect, kAlternate, 0},
         {kComputer, kPerfect, kAlternate, 1},
         {kComputer, kFair, kAlternate, 0},
         {kComputer, kFair, kAlternate, 1}},
        {{kComputer, kFair, kAlternate, 0},
         {PlayMode::TwoPlayers, kFair, kAlternate, 0},
         {kComputer, kFair, kAlternate, 0},
         {PlayMode::TwoPlayers, kFair, kAlternate, 0}},
    };
    for (std::size_t run = 0; run < runs.size(); ++run) {
        engine.SetPlayers(PlayMode::OnePlayer, kFair);
        engine.NewGame();  // ends the run before
        for (std::size_t number = 0; number < runs[run].size(); ++number) {
            SCOPED_TRACE(testing::Message() << "run " << run << ", deal " << number + 1);
            const Deal& deal = runs[run][number];
            engine.SetPlayers(deal.mode, deal.strength, deal.rule);
            board.pending.clear();
            board.outcomes.clear();
            engine.NewGame();
            ASSERT_EQ(board.outcomes.size(), 1u);
            EXPECT_EQ(board.outcomes[0].kind, Kind::NewGameDealt);
            EXPECT_EQ(board.outcomes[0].player, deal.starter);
            EXPECT_EQ(board.outcomes[0].standing.currentPlayer, deal.starter);
            const bool computerBegins = deal.starter == kComputerPlayer;
            EXPECT_EQ(engine.ComputerHasTurn(), computerBegins);
            EXPECT_EQ(gate.IsOpen(), !computerBegins);
            if (!computerBegins) {
                EXPECT_TRUE(board.pending.empty());
                continue;
            }
            ASSERT_EQ(board.pending.size(), 1u);
            EXPECT_EQ(board.pending.front().kind, WaitRequest::Kind::ComputerTurnsCard);
            EXPECT_EQ(board.pending.front().milliseconds, flipDelay);
            board.runNext();
            ASSERT_EQ(board.outcomes.size(), 2u);
            EXPECT_EQ(board.outcomes[1].kind, Kind::FaceShown);
            EXPECT_EQ(board.outcomes[1].player, kComputerPlayer);
            EXPECT_FALSE(gate.IsOpen());
        }
    }
}

}  // namespace
}  // namespace tavro::test
