// SPDX-License-Identifier: GPL-3.0-or-later
// Running SQL on the record of games: a failed statement throws RecordsError, which tells a
// damaged file (SQLite's "corrupt" and "not a database") from a lock held too long, a full disk
// and every other fault (a folder that can't be written), since only a damaged file is moved
// aside, a lock is worth waiting for, and a full disk has a sentence of its own.
#pragma once

#include <QSqlDatabase>
#include <QSqlQuery>
#include <QString>
#include <QVariant>
#include <initializer_list>
#include <stdexcept>

class QSqlError;

namespace tavro {

class RecordsError : public std::runtime_error {
public:
    enum class Kind {
        Damaged,  // the file is no database or a damaged one
        Newer,    // made by a newer version of the program, whose schema this one doesn't know
        Busy,     // another program held the record's lock for longer than the connection waits
        NoSpace,  // the disk is full (SQLITE_FULL, ENOSPC)
        Other,    // anything else: permissions, a folder that can't be written
    };
    RecordsError(Kind kind, const QString& text);
    Kind kind() const { return kind_; }
    QString text() const { return QString::fromUtf8(what()); }

private:
    Kind kind_;
};

// The error's kind: Damaged for SQLite's SQLITE_CORRUPT and SQLITE_NOTADB, Busy for SQLITE_BUSY
// and SQLITE_LOCKED, NoSpace for SQLITE_FULL.
RecordsError::Kind KindOf(const QSqlError& error);
// The kind of a failed system call's errno: NoSpace for ENOSPC (and EDQUOT, a full quota).
RecordsError::Kind KindOfErrno(int error);
[[noreturn]] void ThrowSqlError(const QSqlError& error);

// Runs one statement without parameters.
void RunSql(QSqlDatabase& db, const QString& sql);
// Prepares the statement, binds the values in order and runs it; the query is positioned before
// its first row.
QSqlQuery RunSql(QSqlDatabase& db, const QString& sql, std::initializer_list<QVariant> values);
// A statement prepared to be run many times with Run.
QSqlQuery Prepare(QSqlDatabase& db, const QString& sql);
// Binds the values in order and runs the prepared statement.
void Run(QSqlQuery& prepared, std::initializer_list<QVariant> values);
// The first column of the first row of a statement that returns one.
QVariant SqlValue(QSqlDatabase& db, const QString& sql);

// Runs statements as one transaction (BEGIN IMMEDIATE: the write lock is taken at once, so two
// copies never both read and then both write); rolls back and rethrows on failure.
template <class Body>
void InWriteTransaction(QSqlDatabase& db, Body&& body) {
    RunSql(db, QStringLiteral("BEGIN IMMEDIATE"));
    try {
        body();
        RunSql(db, QStringLiteral("COMMIT"));
    } catch (...) {
        QSqlQuery rollback(db);
        rollback.exec(QStringLiteral("ROLLBACK"));
        throw;
    }
}

}  // namespace tavro
