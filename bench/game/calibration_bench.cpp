// SPDX-License-Identifier: GPL-3.0-or-later
// How strong the computer is, measured against a model of a person (game/PersonModel.h): whole
// games on the Qt-free core, the person first, the computer at each strength, and the share of
// games the person wins (a draw counts half) with its 95 % confidence interval (Wilson). Two
// persons are measured: one who recalls as people roughly do (recall halving every 8 cards seen)
// and one who recalls every card. The goals: about three in four games won at the easiest level,
// between 40 % and 60 % at the middle one, at most one in five at the hardest.
// Usage: calibration_bench [games per strength, at least 1000 by default]
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <deque>
#include <string>
#include <vector>

#include "game/GameEngine.h"
#include "game/PersonModel.h"
#include "game/TileSlot.h"

namespace tavro {
namespace {

// A board without pictures that keeps the waits and tells the person every face shown.
class SimulatedBoard : public BoardView {
public:
    explicit SimulatedBoard(PersonModel& person) : person_(person) {}
    void showTilePicture(int, std::int32_t) override {}
    void showPoints(std::int32_t) override {}
    void setHintCommandEnabled(bool) override {}
    void setFrameColour(int, std::uint32_t) override {}
    void requestWait(const WaitRequest& wait) override { waits.push_back(wait); }
    void reportOutcome(const Outcome& outcome) override {
        if (outcome.kind == Outcome::Kind::FaceShown) {
            person_.Saw(outcome.first, outcome.face);
        } else if (outcome.kind == Outcome::Kind::PairMatched) {
            person_.Matched(outcome.first, outcome.second);
            if (outcome.player == kComputerPlayer) {
                ++computerPairs;
            }
        }
    }
    std::deque<WaitRequest> waits;
    long computerPairs = 0;

private:
    PersonModel& person_;
};

struct Tally {
    int won = 0;
    int drawn = 0;
    int lost = 0;
    long computerPairs = 0;
};

// Plays `games` whole games of the person against the computer at `strength`.
Tally Play(ComputerStrength strength, PersonModel::Traits traits, int games) {
    PersonModel person(traits, 20261208u);
    GameState game;
    InputGate gate;
    SimulatedBoard board(person);
    const std::int32_t flipDelay = 0;
    std::uint32_t dealClock = 1;
    GameEngine engine(
        game, gate, board, flipDelay, [] { return 0; },
        RandomSource([&dealClock] { return dealClock; }), 7u);
    engine.SetPlayers(PlayMode::AgainstComputer, strength);
    Tally tally;
    for (int played = 0; played < games; ++played) {
        dealClock = 1000u + static_cast<std::uint32_t>(played) * 7919u;
        person.NewDeal();
        engine.NewGame();
        while (game.MatchedCount < kTileCount) {
            if (!board.waits.empty()) {
                const WaitRequest wait = board.waits.front();
                board.waits.pop_front();
                engine.FinishWait(wait);
                continue;
            }
            std::vector<int> faceDown;
            for (int tile = 1; tile <= kTileCount; ++tile) {
                if (engine.TileStateOf(tile) == TileState::FaceDown) {
                    faceDown.push_back(tile);
                }
            }
            const int first = game.FirstPick;
            engine.SelectTile(
                person.ChooseCard(faceDown, first, first == 0 ? 0 : game.BoardFaces[Slot(first)]));
        }
        const int leader = engine.Leader();
        tally.won += leader == 0 ? 1 : 0;
        tally.drawn += leader == kNoPlayer ? 1 : 0;
        tally.lost += leader == kComputerPlayer ? 1 : 0;
    }
    tally.computerPairs = board.computerPairs;
    return tally;
}

// The share won (draws half) and its 95 % Wilson interval.
void PrintRow(const char* strength, const char* person, const Tally& tally, int games) {
    const double n = games;
    const double p = (tally.won + 0.5 * tally.drawn) / n;
    const double z = 1.96;
    const double centre = (p + z * z / (2 * n)) / (1 + z * z / n);
    const double half = z * std::sqrt(p * (1 - p) / n + z * z / (4 * n * n)) / (1 + z * z / n);
    std::printf("%-16s %-22s %6.1f %%  [%5.1f %%, %5.1f %%]  %4d-%d-%d  %5.2f\n", strength, person,
                100 * p, 100 * (centre - half), 100 * (centre + half), tally.won, tally.drawn,
                tally.lost, static_cast<double>(tally.computerPairs) / n);
}

}  // namespace
}  // namespace tavro

int main(int argc, char** argv) {
    using namespace tavro;
    const int games = argc > 1 ? std::max(1, std::atoi(argv[1])) : 1000;
    std::printf("%d games per row; the person turns first\n", games);
    std::printf("%-16s %-22s %8s  %-18s  %-9s  %s\n", "computer", "person", "wins", "95 % interval",
                "won-draw-lost", "computer pairs a game");
    const struct {
        const char* name;
        ComputerStrength strength;
    } strengths[] = {{"forgetful", ComputerStrength::Forgetful},
                     {"fair", ComputerStrength::Fair},
                     {"perfect memory", ComputerStrength::PerfectMemory}};
    const struct {
        const char* name;
        PersonModel::Traits traits;
    } persons[] = {{"recalls as people do", {8.0, 0.1}}, {"recalls every card", {0.0, 0.0}}};
    for (const auto& strength : strengths) {
        for (const auto& person : persons) {
            PrintRow(strength.name, person.name, Play(strength.strength, person.traits, games),
                     games);
        }
    }
    return 0;
}
