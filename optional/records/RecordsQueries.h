// SPDX-License-Identifier: GPL-3.0-or-later
// What the statistics window reads from the record of games, each in a query whose cost does not
// grow with the number of games (the per-set summaries the trigger keeps, and index ranges with a
// limit), and the whole record in the order it was played, for the export. Every function throws
// RecordsError when the record can't be read.
#pragma once

#include <QSqlDatabase>
#include <QString>
#include <functional>
#include <optional>
#include <vector>

#include "records/RecordReader.h"

namespace tavro {

// Every set and mode played, by set name and then mode, the games against the computer in a row
// per strength (forgetful, fair, perfect memory, then any recorded without one).
std::vector<SetModeSummary> ReadSummaries(QSqlDatabase& db);

// The scores of the newest `limit` finished games of the set and mode, oldest first; against the
// computer, those played at `strength` (or recorded without one, when it is none).
std::vector<ScorePoint> ReadScores(QSqlDatabase& db, const QString& setFolder, PlayMode mode,
                                   int limit,
                                   const std::optional<ComputerStrength>& strength = std::nullopt);

// The newest `limit` games of every set and mode, newest first.
std::vector<StoredGame> ReadRecentGames(QSqlDatabase& db, int limit);
// Every game, in the order they were played.
void ForEachGame(QSqlDatabase& db, const std::function<void(const StoredGame&)>& visit);

}  // namespace tavro
