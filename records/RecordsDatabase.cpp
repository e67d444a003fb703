// SPDX-License-Identifier: GPL-3.0-or-later
// Opening, creating and writing the record of games. The few steps that change which file the
// path names (moving a damaged record aside, linking a new one into place) run under the
// folder's lock, so that two copies starting together don't both repair the same file.
#include "records/RecordsDatabase.h"

#include <fcntl.h>
#include <stdlib.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSqlError>
#include <QSqlQuery>
#include <cerrno>
#include <cstring>
#include <utility>

#include "records/RecordWords.h"
#include "records/RecordsFile.h"
#include "records/RecordsSchema.h"
#include "records/RecordsSql.h"

namespace tavro {
namespace {

constexpr int kBusyTimeoutMs = 5000;

[[noreturn]] void ThrowErrno(int error, const QString& doing) {
    throw RecordsError(RecordsError::Kind::Other,
                       doing + QStringLiteral(": ") + QString::fromLocal8Bit(std::strerror(error)));
}

void SyncPath(const QString& path, int flags) {
    const int fd = ::open(QFile::encodeName(path).constData(), flags | O_CLOEXEC);
    if (fd >= 0) {
        ::fsync(fd);
        ::close(fd);
    }
}

QVariant NullableText(const QString& text) {
    return text.isNull() ? QVariant(QMetaType::fromType<QString>()) : QVariant(text);
}

// A connection of its own for a short job; removed from Qt's list when it goes.
class ScopedConnection {
public:
    ScopedConnection(const QString& name, const QString& path) : name_(name) {
        QSqlError failure;
        {
            QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name_);
            db.setDatabaseName(path);
            db.setConnectOptions(QStringLiteral("QSQLITE_BUSY_TIMEOUT=%1").arg(kBusyTimeoutMs));
            if (!db.open()) {
                failure = db.lastError();
            }
        }
        if (failure.isValid()) {
            Remove();
            ThrowSqlError(failure);
        }
    }
    ~ScopedConnection() { Remove(); }
    QSqlDatabase Db() const { return QSqlDatabase::database(name_, false); }

private:
    void Remove() {
        {
            QSqlDatabase db = QSqlDatabase::database(name_, false);
            db.close();
        }
        QSqlDatabase::removeDatabase(name_);
    }

    QString name_;
};

}  // namespace

RecordsDatabase::RecordsDatabase(QString connection) : connection_(std::move(connection)) {}

RecordsDatabase::~RecordsDatabase() {
    Close();
}

void RecordsDatabase::Close() {
    if (db_.isValid()) {
        db_.close();
        db_ = QSqlDatabase();
        QSqlDatabase::removeDatabase(connection_);
    }
    path_.clear();
}

RecordsDatabase::Opening RecordsDatabase::Open(const QString& path, Purpose purpose) {
    Close();
    const QString folder = QFileInfo(path).path();
    if (purpose == Purpose::Writing && !QDir().mkpath(folder)) {
        throw RecordsError(RecordsError::Kind::Other,
                           QStringLiteral("the folder %1 can't be made").arg(folder));
    }
    Opening opening;
    for (int round = 0; round < 4; ++round) {
        const RecordsFileCheck check = CheckRecordsFile(path);
        QString damage = check.reason;
        if (check.state == RecordsFileCheck::State::Usable) {
            try {
                Connect(path, purpose);
                if (!IsSameFile(path, check)) {
                    Close();
                    continue;  // the path changed under us: look again
                }
                CheckConnected(purpose);
                MigrateRecords(db_);
                path_ = path;
                opening.open = true;
                return opening;
            } catch (const RecordsError& error) {
                Close();
                if (error.kind() != RecordsError::Kind::Damaged) {
                    throw;
                }
                damage = error.text();
            }
        }
        if (check.state == RecordsFileCheck::State::Missing && purpose == Purpose::Reading) {
            return opening;  // nothing recorded yet
        }
        // Making a record and moving a damaged one aside change what the path names: one copy
        // at a time, and only if the path still names what was checked.
        const RecordsFolderLock lock(folder);
        if (check.state == RecordsFileCheck::State::Missing) {
            if (CheckRecordsFile(path).state == RecordsFileCheck::State::Missing) {
                RemoveStrayJournals(path);
                Create(path);
            }
            continue;  // and check what is there now
        }
        if (!IsSameEntry(path, check)) {
            continue;  // another copy has dealt with it
        }
        QString failure;
        const QString movedTo = MoveRecordsAside(path, failure);
        if (movedTo.isEmpty()) {
            throw RecordsError(RecordsError::Kind::Other,
                               QStringLiteral("%1 is damaged (%2) and can't be moved aside: %3")
                                   .arg(path, damage, failure));
        }
        opening.notice = tr("The record of games was damaged (%1). It has been moved to %2, and a "
                            "new record is kept from now on.")
                             .arg(damage, movedTo);
    }
    throw RecordsError(RecordsError::Kind::Other,
                       QStringLiteral("%1 keeps changing while it is opened").arg(path));
}

void RecordsDatabase::Connect(const QString& path, Purpose purpose) {
    db_ = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), connection_);
    db_.setDatabaseName(path);
    db_.setConnectOptions(QStringLiteral("QSQLITE_BUSY_TIMEOUT=%1").arg(kBusyTimeoutMs));
    if (!db_.open()) {
        ThrowSqlError(db_.lastError());
    }
    RunSql(db_, QStringLiteral("PRAGMA foreign_keys = ON"));
    if (purpose == Purpose::Writing) {
        // A kill loses nothing in either mode; FULL also keeps the last game through a power
        // cut. The writes run off the GUI thread, so the wait for the disk costs no one.
        RunSql(db_, QStringLiteral("PRAGMA synchronous = FULL"));
    }
}

void RecordsDatabase::CheckConnected(Purpose purpose) {
    // The first read of the file: SQLite says here whether it is a database at all.
    const int application = SqlValue(db_, QStringLiteral("PRAGMA application_id")).toInt();
    if (application != kRecordsApplicationId) {
        const int tables =
            SqlValue(db_, QStringLiteral("SELECT count(*) FROM sqlite_schema")).toInt();
        if (application != 0 || tables != 0) {
            throw RecordsError(RecordsError::Kind::Damaged,
                               QStringLiteral("a database of another program"));
        }
    }
    if (purpose == Purpose::Reading) {
        return;
    }
    if (SqlValue(db_, QStringLiteral("PRAGMA journal_mode")).toString() != QLatin1String("wal")) {
        SqlValue(db_, QStringLiteral("PRAGMA journal_mode = WAL"));
    }
    const QString health = SqlValue(db_, QStringLiteral("PRAGMA quick_check")).toString();
    if (health != QLatin1String("ok")) {
        throw RecordsError(RecordsError::Kind::Damaged, health);
    }
}

void RecordsDatabase::Create(const QString& path) {
    QByteArray name =
        QFile::encodeName(QFileInfo(path).path() + QStringLiteral("/.records-new-XXXXXX"));
    const int fd = ::mkstemp(name.data());  // mode 0600
    if (fd < 0) {
        ThrowErrno(errno,
                   QStringLiteral("can't create a record in %1").arg(QFileInfo(path).path()));
    }
    ::close(fd);
    const QString temporary = QFile::decodeName(name);
    const auto removeTemporary = [&temporary] {
        QFile::remove(temporary);
        RemoveStrayJournals(temporary);
    };
    try {
        {
            ScopedConnection fresh(connection_ + QStringLiteral("-new"), temporary);
            QSqlDatabase db = fresh.Db();
            SqlValue(db, QStringLiteral("PRAGMA journal_mode = WAL"));  // kept in the file
            MigrateRecords(db);
        }
        SyncPath(temporary, O_RDONLY);
        // link() never replaces: when another copy linked its record first, that one stays.
        if (::link(name.constData(), QFile::encodeName(path).constData()) != 0 && errno != EEXIST) {
            ThrowErrno(errno, QStringLiteral("can't create %1").arg(path));
        }
    } catch (...) {
        removeTemporary();
        throw;
    }
    removeTemporary();
    SyncPath(QFileInfo(path).path(), O_RDONLY | O_DIRECTORY);
}

std::vector<qint64> RecordsDatabase::Insert(const std::vector<GameRecord>& games) {
    std::vector<qint64> ids;
    ids.reserve(games.size());
    InWriteTransaction(db_, [&] {
        QSqlQuery gameRow = Prepare(
            db_,
            QStringLiteral("INSERT INTO games (played_at, set_folder, set_name, delay_ms, mode, "
                           "strength, score, turns, matches, mismatches, hints, "
                           "time_played_ms, ended_by, lead_name) "
                           "VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)"));
        QSqlQuery playerRow = Prepare(
            db_, QStringLiteral("INSERT INTO players (game_id, seat, name, score, computer) "
                                "VALUES (?, ?, ?, ?, ?)"));
        for (const GameRecord& game : games) {
            Run(gameRow, {game.playedAt.toMSecsSinceEpoch(), game.setFolder, game.setName,
                          game.delayMs, ModeWord(game.mode),
                          game.strength ? QVariant(StrengthWord(*game.strength))
                                        : QVariant(QMetaType::fromType<QString>()),
                          ScoreOfGame(game), game.turns, game.matches, game.mismatches, game.hints,
                          game.playedMs, EndWord(game.end), NullableText(game.leadName)});
            const qint64 id = gameRow.lastInsertId().toLongLong();
            int seat = 1;
            for (const RecordedPlayer& player : game.players) {
                Run(playerRow, {id, seat++, player.name.isNull() ? QStringLiteral("") : player.name,
                                player.score, player.computer ? 1 : 0});
            }
            ids.push_back(id);
        }
    });
    return ids;
}

void RecordsDatabase::SetLeadName(qint64 id, const QString& name) {
    RunSql(db_, QStringLiteral("UPDATE games SET lead_name = ? WHERE id = ?"),
           {name.isNull() ? QStringLiteral("") : name, id});
}

void RecordsDatabase::Clear() {
    InWriteTransaction(db_, [this] {
        RunSql(db_, QStringLiteral("DELETE FROM players"));
        RunSql(db_, QStringLiteral("DELETE FROM games"));
        RunSql(db_, QStringLiteral("DELETE FROM summaries"));
    });
}

}  // namespace tavro
