// SPDX-License-Identifier: GPL-3.0-or-later
// A tally of one game from the core's outcomes: turns, matches, mismatches, hints used, the
// score (of each player in a game of two), the time played (from the first card turned) and whether
// it was finished. The main window feeds it every outcome; it knows nothing of windows, files or
// Qt, and the clock is handed in, so tests drive it with times of their own.
#pragma once

#include <array>
#include <chrono>
#include <cstdint>
#include <optional>

#include "game/BoardView.h"
#include "game/PlayMode.h"

namespace tavro {

struct GameCounts {
    int turns = 0;  // pairs turned over, matched or not
    int matches = 0;
    int mismatches = 0;
    int hints = 0;            // hints shown and paid for
    std::int32_t points = 0;  // the score of a game of one
    std::int64_t playedMilliseconds = 0;
    bool finished = false;
    // Each player's score in a game of two (the first also in a game of one).
    std::array<std::int32_t, kMaxPlayers> playerPoints{};
};

class GameTally {
public:
    using Clock = std::chrono::steady_clock;

    // Counts the outcome; a new deal starts a new tally.
    void Observe(const Outcome& outcome, Clock::time_point now);
    // The counts so far; the time runs until `now` unless the game is over.
    GameCounts Counts(Clock::time_point now) const;
    // The game was finished (and not dealt anew since).
    bool Finished() const { return counts_.finished; }
    // A game that is left now is worth a record: dealt, not finished, at least one turn taken.
    bool LeftWithTurns() const { return !counts_.finished && counts_.turns > 0; }

private:
    void Score(const Outcome& outcome);

    GameCounts counts_;
    std::optional<Clock::time_point> firstCard_;
    std::optional<Clock::time_point> ended_;
};

}  // namespace tavro
