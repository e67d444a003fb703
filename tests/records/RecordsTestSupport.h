// SPDX-License-Identifier: GPL-3.0-or-later
// Shared pieces of the record-of-games tests: a player's data folder of their own (in memory
// where the system has one, as some tests write thousands of games) that XDG_DATA_HOME points at,
// sample games, and looks into the record through short-lived connections of their own, so that
// no connection is open when a test forks its copies of the game.
#pragma once

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <QDir>
#include <QFileInfo>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QStringList>
#include <QTemporaryDir>
#include <QVariant>
#include <optional>

#include "records/GameRecord.h"

namespace tavro::test {

class RecordsFolder {
public:
    explicit RecordsFolder(bool inMemory = false) : previousDataHome_(qgetenv("XDG_DATA_HOME")) {
        const QFileInfo memory(QStringLiteral("/dev/shm"));
        if (inMemory && memory.isDir() && memory.isWritable()) {
            dir_.emplace(QStringLiteral("/dev/shm/tavro-records-XXXXXX"));
        } else {
            dir_.emplace();
        }
        qputenv("XDG_DATA_HOME", QFile::encodeName(dir_->path()));
        QDir(dir_->path()).mkpath(QStringLiteral("tavro-memory"));
    }
    ~RecordsFolder() { qputenv("XDG_DATA_HOME", previousDataHome_); }
    RecordsFolder(const RecordsFolder&) = delete;
    RecordsFolder& operator=(const RecordsFolder&) = delete;

    // Lets other users through the data home (for children that drop to "nobody").
    void OpenToOthers() const { ::chmod(QFile::encodeName(dir_->path()).constData(), 0755); }
    // The player's data folder for the game, "<data home>/tavro-memory".
    QString Folder() const { return dir_->path() + QStringLiteral("/tavro-memory"); }
    QString Records() const { return Folder() + QStringLiteral("/records.sqlite"); }
    QStringList Entries() const {
        return QDir(Folder()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot |
                                        QDir::System);
    }

private:
    std::optional<QTemporaryDir> dir_;
    QByteArray previousDataHome_;
};

// A one-player game of the "animals" set; `n` makes its numbers its own.
inline GameRecord SampleGame(int n, GameEnd end = GameEnd::Finished) {
    GameRecord game;
    game.playedAt = QDateTime::fromMSecsSinceEpoch(1700000000000LL + n * 60000LL, Qt::UTC);
    game.setFolder = QStringLiteral("animals");
    game.setName = QStringLiteral("Animals");
    game.delayMs = 500;
    game.players = {{QString(), 1000 + n, false}};
    game.turns = 18 + n % 7;
    game.matches = end == GameEnd::Finished ? 18 : n % 18;
    game.mismatches = game.turns - game.matches;
    game.hints = n % 3;
    game.playedMs = 60000 + n;
    game.end = end;
    return game;
}

// Runs a query on the record at `path` through a connection of its own; the rows' first
// `columns` values, each row joined with '|'.
inline QStringList Rows(const QString& path, const QString& sql, int columns = 1) {
    QStringList rows;
    const QString name = QStringLiteral("tavro-test-look");
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name);
        db.setDatabaseName(path);
        db.setConnectOptions(QStringLiteral("QSQLITE_OPEN_READONLY;QSQLITE_BUSY_TIMEOUT=5000"));
        if (db.open()) {
            QSqlQuery query(db);
            if (query.exec(sql)) {
                while (query.next()) {
                    QStringList values;
                    for (int column = 0; column < columns; ++column) {
                        values << query.value(column).toString();
                    }
                    rows << values.join(QLatin1Char('|'));
                }
            } else {
                rows << QStringLiteral("error: ") + query.lastError().text();
            }
        } else {
            rows << QStringLiteral("error: ") + db.lastError().text();
        }
    }
    QSqlDatabase::removeDatabase(name);
    return rows;
}

inline QString Value(const QString& path, const QString& sql) {
    const QStringList rows = Rows(path, sql);
    return rows.isEmpty() ? QString() : rows.front();
}

// The first value of each statement, all through one connection.
inline QStringList Values(const QString& path, const QStringList& statements) {
    QStringList values;
    const QString name = QStringLiteral("tavro-test-values");
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name);
        db.setDatabaseName(path);
        db.setConnectOptions(QStringLiteral("QSQLITE_OPEN_READONLY;QSQLITE_BUSY_TIMEOUT=5000"));
        const bool open = db.open();
        for (const QString& sql : statements) {
            QSqlQuery query(db);
            values << (open && query.exec(sql) && query.next() ? query.value(0).toString()
                                                               : QStringLiteral("error"));
        }
    }
    QSqlDatabase::removeDatabase(name);
    return values;
}

inline mode_t ModeOf(const QString& path) {
    struct stat status {};
    return ::stat(QFile::encodeName(path).constData(), &status) == 0 ? status.st_mode & 07777 : 0;
}

}  // namespace tavro::test
