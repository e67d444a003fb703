// SPDX-License-Identifier: GPL-3.0-or-later
// One game as the record of games keeps it: when it ended, the card set and delay it was played
// with, who played (the mode, each player's name and score, the computer's strength), what
// happened in it (turns, matches, mismatches, hints, the time played) and how it ended (finished,
// or left by New, an Options change, a change of who plays, or Exit). Plain data, made by the
// main window from the game's outcomes and written by the records module.
#pragma once

#include <QDateTime>
#include <QString>
#include <QtGlobal>
#include <optional>
#include <vector>

#include "settings/Settings.h"

namespace tavro {

// How a game ended. A game left before its first turn is not recorded.
enum class GameEnd { Finished, LeftByNew, LeftByOptions, LeftByModeChange, LeftByExit };

struct RecordedPlayer {
    QString name;  // as the player set it; empty for the seat's default name ("Player 1")
    qint32 score = 0;
    bool computer = false;
};

struct GameRecord {
    QDateTime playedAt;  // when the game ended or was left
    QString setFolder;   // the card set's folder name
    QString setName;     // the set's name as shown to the player then
    qint32 delayMs = 0;
    PlayMode mode = PlayMode::OnePlayer;
    std::optional<ComputerStrength> strength;  // against the computer only
    std::vector<RecordedPlayer> players;       // in seat order; one for a one-player game
    qint32 turns = 0;                          // pairs turned over
    qint32 matches = 0;
    qint32 mismatches = 0;
    qint32 hints = 0;
    qint64 playedMs = 0;  // from the first card turned to the end
    GameEnd end = GameEnd::Finished;
    // The name typed for the Leads after a one-player game; null when none was asked.
    QString leadName;
};

// The score a game counts with in the statistics: the player's own in a one-player game and
// against the computer, the winner's in a game of two players.
inline qint32 ScoreOfGame(const GameRecord& game) {
    std::optional<qint32> best;
    for (const RecordedPlayer& player : game.players) {
        if (!player.computer && (!best || player.score > *best)) {
            best = player.score;
        }
    }
    return best.value_or(0);
}

}  // namespace tavro
