// SPDX-License-Identifier: GPL-3.0-or-later
// The statistics window's queries. Games come with their players in one joined query, folded
// into one StoredGame per game.
#include "records/RecordsQueries.h"

#include <QSqlError>
#include <QSqlQuery>

#include "records/RecordWords.h"
#include "records/RecordsSql.h"

namespace tavro {
namespace {

// The columns of a game and its players, in the order the fold reads them.
const char kGameColumns[] =
    "g.id, g.played_at, g.set_folder, g.set_name, g.delay_ms, g.mode, g.strength, g.score, "
    "g.turns, g.matches, g.mismatches, g.hints, g.time_played_ms, g.ended_by, g.lead_name, "
    "p.seat, p.name, p.score, p.computer";

QDateTime FromStored(qint64 milliseconds) {
    return QDateTime::fromMSecsSinceEpoch(milliseconds, Qt::UTC);
}

StoredGame GameOfRow(const QSqlQuery& row) {
    StoredGame stored;
    stored.id = row.value(0).toLongLong();
    GameRecord& game = stored.game;
    game.playedAt = FromStored(row.value(1).toLongLong());
    game.setFolder = row.value(2).toString();
    game.setName = row.value(3).toString();
    game.delayMs = row.value(4).toInt();
    game.mode = ModeFromWord(row.value(5).toString()).value_or(PlayMode::OnePlayer);
    if (!row.isNull(6)) {
        game.strength = StrengthFromWord(row.value(6).toString());
    }
    stored.score = row.value(7).toInt();
    game.turns = row.value(8).toInt();
    game.matches = row.value(9).toInt();
    game.mismatches = row.value(10).toInt();
    game.hints = row.value(11).toInt();
    game.playedMs = row.value(12).toLongLong();
    game.end = EndFromWord(row.value(13).toString()).value_or(GameEnd::Finished);
    if (!row.isNull(14)) {
        game.leadName = row.value(14).toString();
    }
    return stored;
}

// Reads the joined rows (ordered by game, then seat) and hands over each game once its players
// are all read.
void FoldGames(QSqlQuery& query, const std::function<void(const StoredGame&)>& visit) {
    std::optional<StoredGame> current;
    while (query.next()) {
        const qint64 id = query.value(0).toLongLong();
        if (!current || current->id != id) {
            if (current) {
                visit(*current);
            }
            current = GameOfRow(query);
        }
        if (!query.isNull(15)) {
            current->game.players.push_back({query.value(16).toString(), query.value(17).toInt(),
                                             query.value(18).toInt() != 0});
        }
    }
    if (query.lastError().isValid()) {
        ThrowSqlError(query.lastError());
    }
    if (current) {
        visit(*current);
    }
}

// A set's rows against the computer, one per strength (forgetful, fair, perfect memory, then
// games recorded without one), from the summaries the trigger keeps per strength.
std::vector<SetModeSummary> ByStrength(QSqlDatabase& db, const SetModeSummary& pooled) {
    QSqlQuery query = RunSql(
        db,
        QStringLiteral("SELECT s.strength, s.played, s.finished, s.best_score, g.played_at, "
                       "s.score_sum, s.mismatch_sum, s.best_streak "
                       "FROM strength_summaries s LEFT JOIN games g ON g.id = s.best_game "
                       "WHERE s.set_folder = ? ORDER BY CASE s.strength WHEN 'forgetful' THEN 0 "
                       "WHEN 'fair' THEN 1 WHEN 'perfect' THEN 2 ELSE 3 END"),
        {pooled.setFolder});
    std::vector<SetModeSummary> rows;
    while (query.next()) {
        SetModeSummary summary;
        summary.setFolder = pooled.setFolder;
        summary.setName = pooled.setName;
        summary.mode = PlayMode::AgainstComputer;
        summary.strength = StrengthFromWord(query.value(0).toString());
        summary.played = query.value(1).toInt();
        summary.finished = query.value(2).toInt();
        if (!query.isNull(3)) {
            summary.best = query.value(3).toInt();
            summary.bestAt = FromStored(query.value(4).toLongLong());
        }
        if (summary.finished > 0) {
            summary.averageScore = query.value(5).toDouble() / summary.finished;
            summary.averageMismatches = query.value(6).toDouble() / summary.finished;
        }
        summary.bestStreak = query.value(7).toInt();
        rows.push_back(summary);
    }
    if (query.lastError().isValid()) {
        ThrowSqlError(query.lastError());
    }
    return rows;
}

}  // namespace

std::vector<SetModeSummary> ReadSummaries(QSqlDatabase& db) {
    QSqlQuery query = RunSql(
        db,
        QStringLiteral("SELECT s.set_folder, s.set_name, s.mode, s.played, s.finished, "
                       "s.best_score, g.played_at, s.score_sum, s.mismatch_sum, s.best_streak "
                       "FROM summaries s LEFT JOIN games g ON g.id = s.best_game "
                       "ORDER BY s.set_name COLLATE NOCASE, s.set_folder, "
                       "CASE s.mode WHEN 'one' THEN 0 WHEN 'two' THEN 1 ELSE 2 END"),
        {});
    std::vector<SetModeSummary> summaries;
    while (query.next()) {
        SetModeSummary summary;
        summary.setFolder = query.value(0).toString();
        summary.setName = query.value(1).toString();
        summary.mode = ModeFromWord(query.value(2).toString()).value_or(PlayMode::OnePlayer);
        summary.played = query.value(3).toInt();
        summary.finished = query.value(4).toInt();
        if (!query.isNull(5)) {
            summary.best = query.value(5).toInt();
            summary.bestAt = FromStored(query.value(6).toLongLong());
        }
        if (summary.finished > 0) {
            summary.averageScore = query.value(7).toDouble() / summary.finished;
            summary.averageMismatches = query.value(8).toDouble() / summary.finished;
        }
        summary.bestStreak = query.value(9).toInt();
        summaries.push_back(summary);
    }
    if (query.lastError().isValid()) {
        ThrowSqlError(query.lastError());
    }
    // A record of an earlier version not brought up to date (one that may only be read) has no
    // counts per strength: its games against the computer stay in one row.
    const bool perStrength =
        SqlValue(db, QStringLiteral("SELECT count(*) FROM sqlite_master "
                                    "WHERE type = 'table' AND name = 'strength_summaries'"))
            .toInt() > 0;
    std::vector<SetModeSummary> rows;
    rows.reserve(summaries.size());
    for (const SetModeSummary& summary : summaries) {
        if (summary.mode != PlayMode::AgainstComputer || !perStrength) {
            rows.push_back(summary);
            continue;
        }
        const std::vector<SetModeSummary> strengths = ByStrength(db, summary);
        rows.insert(rows.end(), strengths.begin(), strengths.end());
    }
    return rows;
}

std::vector<ScorePoint> ReadScores(QSqlDatabase& db, const QString& setFolder, PlayMode mode,
                                   int limit, const std::optional<ComputerStrength>& strength) {
    // Games of one and two players have no strength; against the computer, NULL picks the games
    // recorded without one.
    const bool byStrength = mode == PlayMode::AgainstComputer;
    QSqlQuery query = RunSql(
        db,
        QStringLiteral("SELECT id, played_at, score FROM games "
                       "WHERE set_folder = ? AND mode = ? AND ended_by = 'finished' "
                       "AND (NOT ? OR strength IS ?) "
                       "ORDER BY played_at DESC, id DESC LIMIT ?"),
        {setFolder, ModeWord(mode), byStrength,
         strength ? QVariant(StrengthWord(*strength)) : QVariant(QMetaType::fromType<QString>()),
         limit});
    std::vector<ScorePoint> points;
    while (query.next()) {
        points.push_back({query.value(0).toLongLong(), FromStored(query.value(1).toLongLong()),
                          query.value(2).toInt()});
    }
    if (query.lastError().isValid()) {
        ThrowSqlError(query.lastError());
    }
    return {points.rbegin(), points.rend()};
}

std::vector<StoredGame> ReadRecentGames(QSqlDatabase& db, int limit) {
    QSqlQuery query = RunSql(
        db,
        QStringLiteral("WITH recent AS (SELECT * FROM games ORDER BY played_at DESC, id DESC "
                       "LIMIT ?) SELECT %1 FROM recent g LEFT JOIN players p ON p.game_id = g.id "
                       "ORDER BY g.played_at DESC, g.id DESC, p.seat")
            .arg(QLatin1String(kGameColumns)),
        {limit});
    std::vector<StoredGame> games;
    FoldGames(query, [&games](const StoredGame& game) { games.push_back(game); });
    return games;
}

void ForEachGame(QSqlDatabase& db, const std::function<void(const StoredGame&)>& visit) {
    QSqlQuery query = RunSql(db,
                             QStringLiteral("SELECT %1 FROM games g LEFT JOIN players p ON "
                                            "p.game_id = g.id ORDER BY g.played_at, g.id, p.seat")
                                 .arg(QLatin1String(kGameColumns)),
                             {});
    FoldGames(query, visit);
}

}  // namespace tavro
