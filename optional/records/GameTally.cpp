// SPDX-License-Identifier: GPL-3.0-or-later
// The game tally: each outcome kind adds to its count; the clock starts with the first card or
// hint and stops at the end of the game.
#include "records/GameTally.h"

namespace tavro {

void GameTally::Observe(const Outcome& outcome, Clock::time_point now) {
    using Kind = Outcome::Kind;
    if (outcome.kind == Kind::NewGameDealt) {
        *this = GameTally();
        return;
    }
    if (counts_.finished) {
        return;  // nothing more happens in a finished game until the next deal
    }
    if ((outcome.kind == Kind::FaceShown || outcome.kind == Kind::HintShown) && !firstCard_) {
        firstCard_ = now;
    }
    switch (outcome.kind) {
        case Kind::PairMatched:
            ++counts_.turns;
            ++counts_.matches;
            Score(outcome);
            break;
        case Kind::PairMismatched:
            ++counts_.turns;
            ++counts_.mismatches;
            Score(outcome);
            break;
        case Kind::HintEnded:
            ++counts_.hints;
            Score(outcome);
            break;
        case Kind::GameEnded:
            counts_.finished = true;
            Score(outcome);  // of two: the winner's, or nobody's in a draw
            ended_ = now;
            break;
        default:
            break;
    }
}

void GameTally::Score(const Outcome& outcome) {
    if (outcome.player < 0 || outcome.player >= kMaxPlayers) {
        return;
    }
    counts_.playerPoints[static_cast<std::size_t>(outcome.player)] = outcome.points;
    if (outcome.player == 0) {
        counts_.points = outcome.points;
    }
}

GameCounts GameTally::Counts(Clock::time_point now) const {
    GameCounts counts = counts_;
    if (firstCard_) {
        const Clock::time_point end = ended_.value_or(now);
        counts.playedMilliseconds =
            std::chrono::duration_cast<std::chrono::milliseconds>(end - *firstCard_).count();
    }
    return counts;
}

}  // namespace tavro
