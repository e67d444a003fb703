// SPDX-License-Identifier: GPL-3.0-or-later
// The schema's steps and the migration that runs them.
#include "records/RecordsSchema.h"

#include <array>
#include <iterator>

#include "records/RecordsSql.h"

namespace tavro {
namespace {

// Version 0 (a new, empty file) to 1.
const char* const kVersion1[] = {
    R"sql(CREATE TABLE games (
        id INTEGER PRIMARY KEY,
        played_at INTEGER NOT NULL,
        set_folder TEXT NOT NULL,
        set_name TEXT NOT NULL,
        delay_ms INTEGER NOT NULL,
        mode TEXT NOT NULL CHECK (mode IN ('one', 'two', 'computer')),
        strength TEXT CHECK (strength IN ('forgetful', 'fair', 'perfect')),
        score INTEGER NOT NULL,
        turns INTEGER NOT NULL,
        matches INTEGER NOT NULL,
        mismatches INTEGER NOT NULL,
        hints INTEGER NOT NULL,
        time_played_ms INTEGER NOT NULL,
        ended_by TEXT NOT NULL
            CHECK (ended_by IN ('finished', 'new', 'options', 'mode', 'exit')),
        lead_name TEXT))sql",
    R"sql(CREATE TABLE players (
        game_id INTEGER NOT NULL REFERENCES games (id) ON DELETE CASCADE,
        seat INTEGER NOT NULL CHECK (seat >= 1),
        name TEXT NOT NULL,
        score INTEGER NOT NULL,
        computer INTEGER NOT NULL CHECK (computer IN (0, 1)),
        PRIMARY KEY (game_id, seat)) WITHOUT ROWID)sql",
    R"sql(CREATE TABLE summaries (
        set_folder TEXT NOT NULL,
        mode TEXT NOT NULL,
        set_name TEXT NOT NULL DEFAULT '',
        played INTEGER NOT NULL DEFAULT 0,
        finished INTEGER NOT NULL DEFAULT 0,
        score_sum INTEGER NOT NULL DEFAULT 0,
        mismatch_sum INTEGER NOT NULL DEFAULT 0,
        best_score INTEGER,
        best_game INTEGER,
        streak INTEGER NOT NULL DEFAULT 0,
        best_streak INTEGER NOT NULL DEFAULT 0,
        PRIMARY KEY (set_folder, mode)) WITHOUT ROWID)sql",
    // The chart and the trend: a set and mode's finished games, newest first.
    "CREATE INDEX games_by_set_mode ON games (set_folder, mode, ended_by, played_at)",
    // The most recent games, and the export in the order they were played.
    "CREATE INDEX games_by_time ON games (played_at)",
    R"sql(CREATE TRIGGER games_summary AFTER INSERT ON games BEGIN
        INSERT OR IGNORE INTO summaries (set_folder, mode) VALUES (NEW.set_folder, NEW.mode);
        UPDATE summaries SET
            set_name = NEW.set_name,
            played = played + 1,
            finished = finished + (NEW.ended_by = 'finished'),
            score_sum = score_sum + IIF(NEW.ended_by = 'finished', NEW.score, 0),
            mismatch_sum = mismatch_sum + IIF(NEW.ended_by = 'finished', NEW.mismatches, 0),
            best_game = IIF(NEW.ended_by = 'finished' AND
                                (best_score IS NULL OR NEW.score > best_score),
                            NEW.id, best_game),
            best_score = IIF(NEW.ended_by = 'finished' AND
                                 (best_score IS NULL OR NEW.score > best_score),
                             NEW.score, best_score),
            streak = IIF(NEW.ended_by = 'finished', streak + 1, 0),
            best_streak = MAX(best_streak, IIF(NEW.ended_by = 'finished', streak + 1, 0))
        WHERE set_folder = NEW.set_folder AND mode = NEW.mode;
    END)sql",
};

// Version 1 to 2: the games against the computer counted per strength as well, kept by a trigger
// like the summaries, emptied with them, and filled at once from the games already recorded (in
// the order they were recorded, as the trigger would have counted them; '' for a game recorded
// without a strength).
const char* const kVersion2[] = {
    R"sql(CREATE TABLE strength_summaries (
        set_folder TEXT NOT NULL,
        strength TEXT NOT NULL,
        played INTEGER NOT NULL DEFAULT 0,
        finished INTEGER NOT NULL DEFAULT 0,
        score_sum INTEGER NOT NULL DEFAULT 0,
        mismatch_sum INTEGER NOT NULL DEFAULT 0,
        best_score INTEGER,
        best_game INTEGER,
        streak INTEGER NOT NULL DEFAULT 0,
        best_streak INTEGER NOT NULL DEFAULT 0,
        PRIMARY KEY (set_folder, strength)) WITHOUT ROWID)sql",
    R"sql(CREATE TRIGGER games_strength_summary AFTER INSERT ON games
        WHEN NEW.mode = 'computer' BEGIN
        INSERT OR IGNORE INTO strength_summaries (set_folder, strength)
            VALUES (NEW.set_folder, IFNULL(NEW.strength, ''));
        UPDATE strength_summaries SET
            played = played + 1,
            finished = finished + (NEW.ended_by = 'finished'),
            score_sum = score_sum + IIF(NEW.ended_by = 'finished', NEW.score, 0),
            mismatch_sum = mismatch_sum + IIF(NEW.ended_by = 'finished', NEW.mismatches, 0),
            best_game = IIF(NEW.ended_by = 'finished' AND
                                (best_score IS NULL OR NEW.score > best_score),
                            NEW.id, best_game),
            best_score = IIF(NEW.ended_by = 'finished' AND
                                 (best_score IS NULL OR NEW.score > best_score),
                             NEW.score, best_score),
            streak = IIF(NEW.ended_by = 'finished', streak + 1, 0),
            best_streak = MAX(best_streak, IIF(NEW.ended_by = 'finished', streak + 1, 0))
        WHERE set_folder = NEW.set_folder AND strength = IFNULL(NEW.strength, '');
    END)sql",
    R"sql(CREATE TRIGGER summaries_cleared AFTER DELETE ON summaries
        WHEN OLD.mode = 'computer' BEGIN
        DELETE FROM strength_summaries WHERE set_folder = OLD.set_folder;
    END)sql",
    // A run of finished games is the games between two left ones: numbered by the left games
    // counted so far.
    R"sql(INSERT INTO strength_summaries
        WITH computer AS (
            SELECT set_folder, IFNULL(strength, '') AS strength, id, score, mismatches,
                ended_by = 'finished' AS won,
                SUM(ended_by <> 'finished') OVER (PARTITION BY set_folder, IFNULL(strength, '')
                                                  ORDER BY id) AS breaks
            FROM games WHERE mode = 'computer'),
        runs AS (
            SELECT set_folder, strength, breaks, SUM(won) AS run
            FROM computer GROUP BY set_folder, strength, breaks),
        best AS (
            SELECT set_folder, strength, score, id,
                ROW_NUMBER() OVER (PARTITION BY set_folder, strength ORDER BY score DESC, id) AS n
            FROM computer WHERE won)
        SELECT c.set_folder, c.strength, COUNT(*), SUM(c.won), SUM(IIF(c.won, c.score, 0)),
            SUM(IIF(c.won, c.mismatches, 0)),
            (SELECT score FROM best b
                WHERE b.set_folder = c.set_folder AND b.strength = c.strength AND b.n = 1),
            (SELECT id FROM best b
                WHERE b.set_folder = c.set_folder AND b.strength = c.strength AND b.n = 1),
            (SELECT run FROM runs r WHERE r.set_folder = c.set_folder AND r.strength = c.strength
                ORDER BY r.breaks DESC LIMIT 1),
            (SELECT MAX(run) FROM runs r
                WHERE r.set_folder = c.set_folder AND r.strength = c.strength)
        FROM computer c GROUP BY c.set_folder, c.strength)sql",
};

struct Step {
    const char* const* statements;
    std::size_t count;
};

// kSteps[n] takes a file from version n to n + 1.
const std::array<Step, kRecordsSchemaVersion> kSteps = {{
    {kVersion1, std::size(kVersion1)},
    {kVersion2, std::size(kVersion2)},
}};

}  // namespace

int RecordsSchemaVersion(QSqlDatabase& db) {
    return SqlValue(db, QStringLiteral("PRAGMA user_version")).toInt();
}

void MigrateRecords(QSqlDatabase& db) {
    const auto refuseNewer = [](int version) {
        if (version > kRecordsSchemaVersion) {
            throw RecordsError(RecordsError::Kind::Newer,
                               QStringLiteral("schema version %1 is newer than this program's %2")
                                   .arg(version)
                                   .arg(kRecordsSchemaVersion));
        }
    };
    const int found = RecordsSchemaVersion(db);
    refuseNewer(found);
    if (found == kRecordsSchemaVersion) {
        return;  // the usual case: no write lock taken
    }
    InWriteTransaction(db, [&db, &refuseNewer] {
        // Read again under the lock: another copy may have migrated meanwhile.
        const int version = RecordsSchemaVersion(db);
        refuseNewer(version);
        if (version < 0) {
            throw RecordsError(RecordsError::Kind::Damaged,
                               QStringLiteral("schema version %1").arg(version));
        }
        for (int step = version; step < kRecordsSchemaVersion; ++step) {
            const Step& statements = kSteps[static_cast<std::size_t>(step)];
            for (std::size_t i = 0; i < statements.count; ++i) {
                RunSql(db, QString::fromUtf8(statements.statements[i]));
            }
        }
        RunSql(db, QStringLiteral("PRAGMA application_id = %1").arg(kRecordsApplicationId));
        RunSql(db, QStringLiteral("PRAGMA user_version = %1").arg(kRecordsSchemaVersion));
    });
}

}  // namespace tavro
