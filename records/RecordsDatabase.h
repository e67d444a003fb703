// SPDX-License-Identifier: GPL-3.0-or-later
// One connection to the record of games. Opening it makes the file ready: a missing record is
// created (as a whole, never half), a damaged one is moved aside with a notice and a new one
// started, and an older one is brought up to this version. The connection keeps SQLite's
// write-ahead log and waits up to five seconds for a lock, so copies of the game running side by
// side all write their games. A connection belongs to the thread that opened it.
#pragma once

#include <QCoreApplication>
#include <QSqlDatabase>
#include <QString>
#include <vector>

#include "records/GameRecord.h"

namespace tavro {

class RecordsDatabase {
    Q_DECLARE_TR_FUNCTIONS(tavro::RecordsDatabase)
public:
    enum class Purpose {
        Writing,  // create a missing record, check every page of an existing one
        Reading,  // a missing record stays missing; only its header is checked
    };
    struct Opening {
        bool open = false;  // false: nothing recorded yet (reading only)
        QString notice;     // for the player: a damaged record was moved aside
    };

    // `connection`: a name for the connection, unique in the process.
    explicit RecordsDatabase(QString connection);
    ~RecordsDatabase();
    RecordsDatabase(const RecordsDatabase&) = delete;
    RecordsDatabase& operator=(const RecordsDatabase&) = delete;

    // Opens the record at `path`. Throws RecordsError when it can't be (the folder can't be
    // written, a newer version's record, a damaged record that can't be moved aside).
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
    void Connect(const QString& path, Purpose purpose);
    void CheckConnected(Purpose purpose);
    // Makes a new, empty record at `path`: built in a private temporary file and linked into
    // place, so the path never names half a database. When another copy made one first, that one
    // stays.
    void Create(const QString& path);

    QString connection_;
    QString path_;
    QSqlDatabase db_;
};

}  // namespace tavro
