// SPDX-License-Identifier: GPL-3.0-or-later
// The SQL helpers: errors by kind, statements run with bound values.
#include "records/RecordsSql.h"

#include <QSqlError>
#include <cerrno>

namespace tavro {
namespace {

constexpr int kSqliteCorrupt = 11;  // SQLITE_CORRUPT
constexpr int kSqliteNotADb = 26;   // SQLITE_NOTADB
constexpr int kSqliteBusy = 5;      // SQLITE_BUSY
constexpr int kSqliteLocked = 6;    // SQLITE_LOCKED
constexpr int kSqliteFull = 13;     // SQLITE_FULL

QString TextOf(const QSqlError& error) {
    QString text = error.databaseText();
    if (text.isEmpty()) {
        text = error.text();
    }
    return text.isEmpty() ? QStringLiteral("unknown database error") : text;
}

}  // namespace

RecordsError::RecordsError(Kind kind, const QString& text)
    : std::runtime_error(text.toStdString()), kind_(kind) {}

RecordsError::Kind KindOf(const QSqlError& error) {
    bool number = false;
    // The driver gives SQLite's extended result code; its low byte is the primary code.
    const int code = error.nativeErrorCode().toInt(&number) & 0xFF;
    if (!number) {
        return RecordsError::Kind::Other;
    }
    switch (code) {
        case kSqliteCorrupt:
        case kSqliteNotADb:
            return RecordsError::Kind::Damaged;
        case kSqliteBusy:
        case kSqliteLocked:
            return RecordsError::Kind::Busy;
        case kSqliteFull:
            return RecordsError::Kind::NoSpace;
        default:
            return RecordsError::Kind::Other;
    }
}

RecordsError::Kind KindOfErrno(int error) {
    return error == ENOSPC || error == EDQUOT ? RecordsError::Kind::NoSpace
                                              : RecordsError::Kind::Other;
}

void ThrowSqlError(const QSqlError& error) {
    throw RecordsError(KindOf(error), TextOf(error));
}

void RunSql(QSqlDatabase& db, const QString& sql) {
    QSqlQuery query(db);
    if (!query.exec(sql)) {
        ThrowSqlError(query.lastError());
    }
}

QSqlQuery Prepare(QSqlDatabase& db, const QString& sql) {
    QSqlQuery query(db);
    query.setForwardOnly(true);
    if (!query.prepare(sql)) {
        ThrowSqlError(query.lastError());
    }
    return query;
}

void Run(QSqlQuery& prepared, std::initializer_list<QVariant> values) {
    int position = 0;
    for (const QVariant& value : values) {
        prepared.bindValue(position++, value);
    }
    if (!prepared.exec()) {
        ThrowSqlError(prepared.lastError());
    }
}

QSqlQuery RunSql(QSqlDatabase& db, const QString& sql, std::initializer_list<QVariant> values) {
    QSqlQuery query = Prepare(db, sql);
    Run(query, values);
    return query;
}

QVariant SqlValue(QSqlDatabase& db, const QString& sql) {
    QSqlQuery query(db);
    query.setForwardOnly(true);
    if (!query.exec(sql)) {
        ThrowSqlError(query.lastError());
    }
    if (!query.next()) {
        if (query.lastError().isValid()) {
            ThrowSqlError(query.lastError());
        }
        return {};
    }
    return query.value(0);
}

}  // namespace tavro
