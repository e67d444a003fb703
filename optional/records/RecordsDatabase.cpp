// SPDX-License-Identifier: GPL-3.0-or-later
// Opening, creating and writing the record of games. The few steps that change which file the
// path names (moving a damaged record aside, linking a new one into place, removing what a copy
// killed while making one left) run under the folder's lock, so that two copies starting
// together don't both repair the same file.
#include "records/RecordsDatabase.h"

#include <fcntl.h>
#include <stdlib.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSqlError>
#include <QSqlQuery>
#include <QUrl>
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
    throw RecordsError(KindOfErrno(error),
                       doing + QStringLiteral(": ") + QString::fromLocal8Bit(std::strerror(error)));
}

bool MayWrite(const QString& path) {
    return ::faccessat(AT_FDCWD, QFile::encodeName(path).constData(), W_OK, AT_EACCESS) == 0;
}

// Why a record that was opened for reading can't be changed, if it can't.
RecordsMessages::ReadOnly ReadOnlyReason(const QString& path, int version) {
    if (version > kRecordsSchemaVersion) {
        return RecordsMessages::ReadOnly::Newer;
    }
    if (!MayWrite(QFileInfo(path).path())) {
        return RecordsMessages::ReadOnly::Folder;
    }
    return MayWrite(path) ? RecordsMessages::ReadOnly::No : RecordsMessages::ReadOnly::File;
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

RecordsDatabase::RecordsDatabase(QString connection)
    : connection_(std::move(connection)), busyTimeoutMs_(kBusyTimeoutMs) {}

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
    if (purpose == Purpose::Writing) {
        if (!QDir().mkpath(folder)) {
            throw RecordsError(RecordsError::Kind::Other,
                               QStringLiteral("the folder %1 can't be made").arg(folder));
        }
        // What a copy killed while it made a record left behind; every copy makes its record
        // under this lock, so none is removed half-made.
        const RecordsFolderLock lock(folder);
        if (lock.Held()) {
            RemoveLeftoverRecords(folder);
        }
    }
    Opening opening;
    for (int round = 0; round < 4; ++round) {
        const RecordsFileCheck check = CheckRecordsFile(path);
        QString damage = check.reason;
        if (check.state == RecordsFileCheck::State::Usable) {
            try {
                const int version = Examine(path, check, purpose == Purpose::Writing);
                if (version < 0) {
                    continue;  // the path changed under us: look again
                }
                if (purpose == Purpose::Reading) {
                    if (version < kRecordsSchemaVersion) {
                        Close();  // made before its first game was written: nothing recorded
                        return opening;
                    }
                    path_ = path;
                    opening.open = true;
                    opening.readOnly = ReadOnlyReason(path, version);
                    return opening;
                }
                Close();
                if (version > kRecordsSchemaVersion) {
                    throw RecordsError(
                        RecordsError::Kind::Newer,
                        QStringLiteral("schema version %1 is newer than this program's %2")
                            .arg(version)
                            .arg(kRecordsSchemaVersion));
                }
                Connect(path, false);
                if (!IsSameFile(path, check)) {
                    Close();
                    continue;
                }
                PrepareWriting(purpose);
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
        if (check.state == RecordsFileCheck::State::Missing && purpose != Purpose::Writing) {
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

void RecordsDatabase::Connect(const QString& path, bool readOnly) {
    db_ = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), connection_);
    QString options = QStringLiteral("QSQLITE_BUSY_TIMEOUT=%1").arg(busyTimeoutMs_);
    QString name = path;
    if (readOnly) {
        options += QStringLiteral(";QSQLITE_OPEN_READONLY");
        // Without a log beside it, a record this user may not change (in a folder that can't
        // be written, or another user's file) is read as it is: SQLite could make neither the
        // log nor its index in such a folder, and would leave them behind as this user's
        // beside another user's record; and no one is writing it now (a writer keeps a log).
        if ((!MayWrite(QFileInfo(path).path()) || !MayWrite(path)) &&
            !QFileInfo::exists(path + QStringLiteral("-wal"))) {
            options += QStringLiteral(";QSQLITE_OPEN_URI");
            name = QUrl::fromLocalFile(path).toString(QUrl::FullyEncoded) +
                   QStringLiteral("?immutable=1");
        }
    }
    db_.setDatabaseName(name);
    db_.setConnectOptions(options);
    if (!db_.open()) {
        ThrowSqlError(db_.lastError());
    }
    RunSql(db_, QStringLiteral("PRAGMA foreign_keys = ON"));
}

int RecordsDatabase::Examine(const QString& path, const RecordsFileCheck& check, bool everyPage) {
    // Only a connection that may write changes the file (it writes a log back into the record
    // when it closes): this one judges the file and leaves it as it was.
    Connect(path, true);
    if (!IsSameFile(path, check)) {
        Close();
        return -1;
    }
    // The first read of the file: SQLite says here whether it is a database at all.
    int application = 0;
    try {
        application = SqlValue(db_, QStringLiteral("PRAGMA application_id")).toInt();
    } catch (const RecordsError& error) {
        // A read-only connection refuses to roll a journal back into the file. The record is
        // kept in write-ahead-log mode, so a rollback journal beside it is another database's
        // (or another program's, cut off): rolling it back could spoil the record, and moving
        // both aside keeps them as they are.
        if (error.kind() == RecordsError::Kind::Other &&
            QFileInfo(path + QStringLiteral("-journal")).size() > 0) {
            throw RecordsError(RecordsError::Kind::Damaged,
                               QStringLiteral("a rollback journal beside it"));
        }
        throw;
    }
    if (application != kRecordsApplicationId) {
        const int tables =
            SqlValue(db_, QStringLiteral("SELECT count(*) FROM sqlite_schema")).toInt();
        if (application != 0 || tables != 0) {
            throw RecordsError(RecordsError::Kind::Damaged,
                               QStringLiteral("a database of another program"));
        }
    }
    const int version = RecordsSchemaVersion(db_);
    if (version < 0) {
        throw RecordsError(RecordsError::Kind::Damaged,
                           QStringLiteral("schema version %1").arg(version));
    }
    if (everyPage) {
        const QString health = SqlValue(db_, QStringLiteral("PRAGMA quick_check")).toString();
        if (health != QLatin1String("ok")) {
            throw RecordsError(RecordsError::Kind::Damaged, health);
        }
    }
    return version;
}

void RecordsDatabase::PrepareWriting(Purpose purpose) {
    if (purpose == Purpose::Writing) {
        // A kill loses nothing in either mode; FULL also keeps the last game through a power
        // cut. The writes run off the GUI thread, so the wait for the disk costs no one.
        RunSql(db_, QStringLiteral("PRAGMA synchronous = FULL"));
    }
    if (SqlValue(db_, QStringLiteral("PRAGMA journal_mode")).toString() != QLatin1String("wal")) {
        SqlValue(db_, QStringLiteral("PRAGMA journal_mode = WAL"));
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
