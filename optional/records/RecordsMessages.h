// SPDX-License-Identifier: GPL-3.0-or-later
// What the player reads about the record of games when something keeps it from being read,
// changed or written: one translated sentence per cause, each naming the record's file, so that
// no bare SQLite message ("disk I/O error", "database is locked") ever reaches the player. The
// technical text, when there is one worth keeping, follows in parentheses.
#pragma once

#include <QCoreApplication>
#include <QString>

#include "records/RecordsSql.h"

namespace tavro {

class RecordsMessages {
    Q_DECLARE_TR_FUNCTIONS(tavro::RecordsMessages)
public:
    // Why the record can be shown but not changed.
    enum class ReadOnly {
        No,
        Newer,   // made by a newer version of the game
        Folder,  // its folder can't be written
        File,    // the file can't be written (another user's, or made read-only)
    };

    // The sentence for a record at `path` that is shown read-only; empty for ReadOnly::No.
    static QString ReadOnlyText(ReadOnly why, const QString& path);
    // The sentence for a record at `path` that couldn't be read or changed.
    static QString FailureText(const RecordsError& error, const QString& path);
    // Another program holds the record's lock (asked with Retry and Cancel).
    static QString LockedText(const QString& path);
    // The disk holding `path` is full.
    static QString NoSpaceText(const QString& path);
};

}  // namespace tavro
