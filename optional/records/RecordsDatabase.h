// SPDX-License-Identifier: GPL-3.0-or-later
// One connection to the record of games. Opening it makes the file ready: a missing record is
// created (as a whole, never half), a damaged one is moved aside with a notice and a new one
// started, and an older one is brought up to this version. Whether a record is damaged is judged
// through a read-only connection, so a damaged record (or one with a stray journal beside it) is
// moved aside exactly as it was. The connection keeps SQLite's write-ahead log and waits up to
// five seconds for a lock (or as long as it is told), so copies of the game running side by side
// all write their games. Reading opens a read-only connection, which shows a record in a folder
// or file that can't be written, or one of a newer version. A connection belongs to the thread
// that opened it.
#pragma once

#include <QCoreApplication>
#include <QSqlDatabase>
#include <QString>
#include <vector>

#include "records/GameRecord.h"
#include "records/RecordsMessages.h"

namespace tavro {

struct RecordsFileCheck;

class RecordsDatabase {
    Q_DECLARE_TR_FUNCTIONS(tavro::RecordsDatabase)
public:
    enum class Purpose {
        Writing,   // create a missing record, check every page of an existing one
        Reading,   // read-only; a missing record stays missing; only its header is checked
        Changing,  // like Reading, but the connection may write (to clear the record)
    };
    struct Opening {
        bool open = false;  // false: nothing recorded yet (reading and changing only)
        QString notice;     // for the player: a damaged record was moved aside
        // Reading: why the record can't be changed, if it can't.
        RecordsMessages::ReadOnly readOnly = RecordsMessages::ReadOnly::No;
    };

    // `connection`: a name for the connection, unique in the process.
    explicit RecordsDatabase(QString connection);
    ~RecordsDatabase();
    RecordsDatabase(const RecordsDatabase&) = delete;
    RecordsDatabase& operator=(const RecordsDatabase&) = delete;

    // How long the connections opened from now on wait for another program's lock.
    void SetBusyTimeout(int milliseconds) { busyTimeoutMs_ = milliseconds; }
    // Opens the record at `path`. Throws RecordsError when it can't be (the folder can't be
    // written, a newer version's record for writing, a damaged record that can't be moved aside,
    // a lock held too long).
    Opening Open(const QString& path, Purpose purpose);
    void Close();
    bool IsOpen() const { return db_.isOpen(); }
    const QString& Path() const { return path_; }
    QSqlDatabase& Db() { return db_; }

    // Writes the games with their players in one transaction; their row ids. Throws RecordsError.
    std::vector<qint64> Insert(const std::vector<GameRecord>& games);
    qint64 Insert(const GameRecord& game) { return Insert(std::vector<GameRecord>{game}).front(); }
    void SetLeadName(qint64 id, const QString& name);
    // Removes every game.
    void Clear();

private:
    void Connect(const QString& path, bool readOnly);
    // The read-only look at a usable file: throws RecordsError (Damaged) for another program's
    // database or, with `everyPage`, a damaged page; the schema version otherwise, or -1 when
    // the path no longer names the file checked.
    int Examine(const QString& path, const RecordsFileCheck& check, bool everyPage);
    // Makes the connection ready to write: the write-ahead log, and for games a full sync.
    void PrepareWriting(Purpose purpose);
    // Makes a new, empty record at `path`: built in a private temporary file and linked into
    // place, so the path never names half a database. When another copy made one first, that one
    // stays.
    void Create(const QString& path);

    QString connection_;
    QString path_;
    int busyTimeoutMs_;
    QSqlDatabase db_;
};

}  // namespace tavro
