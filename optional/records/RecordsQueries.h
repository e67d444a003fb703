// SPDX-License-Identifier: GPL-3.0-or-later
// What the statistics window reads from the record of games, each in a query whose cost does not
// grow with the number of games (the per-set summaries the trigger keeps, and index ranges with a
// limit), and the whole record in the order it was played, for the export. Every function throws
// RecordsError when the record can't be read.
#pragma once

#include <QDateTime>
#include <QSqlDatabase>
#include <QString>
#include <functional>
#include <optional>
#include <vector>

#include "records/GameRecord.h"

namespace tavro {

// A set played in a mode, and against the computer at one strength. Best, averages and their
// dates count finished games only: a game left half-way says little about how well it went.
struct SetModeSummary {
    QString setFolder;
    QString setName;  // as shown the last time it was played
    PlayMode mode = PlayMode::OnePlayer;
    // Against the computer: the strength this row counts (none for games recorded without one).
    std::optional<ComputerStrength> strength;
    int played = 0;
    int finished = 0;
    std::optional<qint32> best;
    QDateTime bestAt;
    double averageScore = 0;
    double averageMismatches = 0;
    int bestStreak = 0;  // finished games in a row, with no game left between them
};

// Every set and mode played, by set name and then mode, the games against the computer in a row
// per strength (forgetful, fair, perfect memory, then any recorded without one).
std::vector<SetModeSummary> ReadSummaries(QSqlDatabase& db);

struct ScorePoint {
    qint64 id = 0;
    QDateTime at;
    qint32 score = 0;
};

// The scores of the newest `limit` finished games of the set and mode, oldest first; against the
// computer, those played at `strength` (or recorded without one, when it is none).
std::vector<ScorePoint> ReadScores(QSqlDatabase& db, const QString& setFolder, PlayMode mode,
                                   int limit,
                                   const std::optional<ComputerStrength>& strength = std::nullopt);

struct StoredGame {
    qint64 id = 0;
    qint32 score = 0;  // ScoreOfGame, as stored
    GameRecord game;
};

// The newest `limit` games of every set and mode, newest first.
std::vector<StoredGame> ReadRecentGames(QSqlDatabase& db, int limit);
// Every game, in the order they were played.
void ForEachGame(QSqlDatabase& db, const std::function<void(const StoredGame&)>& visit);

}  // namespace tavro
