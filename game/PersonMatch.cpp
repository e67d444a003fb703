// SPDX-License-Identifier: GPL-3.0-or-later
// Whole games of the model of a person against the computer; see PersonMatch.h.
#include "game/PersonMatch.h"

#include <deque>
#include <vector>

#include "game/GameEngine.h"
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

}  // namespace

MatchTally PlayPersonAgainstComputer(ComputerStrength strength, PersonModel::Traits traits,
                                     int games) {
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
    MatchTally tally;
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

}  // namespace tavro
