// SPDX-License-Identifier: GPL-3.0-or-later
// The record's tables and how a file of any earlier version is brought up to this one. The
// version is SQLite's "PRAGMA user_version"; each step of kSchemaSteps takes a file from one
// version to the next, all in one write transaction, so a kill half-way leaves the old version.
// A file of a newer version is left as it is: this program writes nothing into it.
//
// games     one row per game: when (UTC milliseconds), the set, the delay, the mode and
//           strength, the game's score (ScoreOfGame), the counts, the time played, how it ended
//           ('finished', 'new', 'options', 'mode', 'exit') and the name typed for the Leads
// players   each game's players in seat order: name ('' = the seat's default), score, computer
// summaries per set and mode, kept by a trigger as games are added: played, finished, best
//           score and its game, the sums behind the averages, the current and the best streak
//           of finished games; the statistics window reads these instead of every game
// strength_summaries  the same for the games against the computer per set and strength ('' for
//           a game recorded without one), kept by a trigger too and emptied with the summaries
#pragma once

#include <QSqlDatabase>

namespace tavro {

inline constexpr int kRecordsSchemaVersion = 2;
// PRAGMA application_id of every record this program makes ("Tavr"): a database of another
// program at the record's path is not taken for one.
inline constexpr int kRecordsApplicationId = 0x54617672;

// The file's schema version.
int RecordsSchemaVersion(QSqlDatabase& db);
// Brings the schema up to kRecordsSchemaVersion. Throws RecordsError (kind Newer for a file of a
// newer version).
void MigrateRecords(QSqlDatabase& db);

}  // namespace tavro
