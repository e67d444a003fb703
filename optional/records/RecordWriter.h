// SPDX-License-Identifier: GPL-3.0-or-later
// Writes games into the record one at a time, on whatever thread owns it (the records module's
// worker). It opens the record on the first game, and again after a fault; a damaged record is
// moved aside with a notice and the game written into a new one. When games can't be written at
// all (a folder that can't be written, a full disk, a newer version's record) the game goes on:
// the player is told once per run, not once per game, a full disk in words of its own.
#pragma once

#include <QCoreApplication>
#include <QString>
#include <functional>

#include "records/GameRecord.h"
#include "records/RecordsDatabase.h"

namespace tavro {

class RecordsError;

class RecordWriter {
    Q_DECLARE_TR_FUNCTIONS(tavro::RecordWriter)
public:
    using NoticeFunction = std::function<void(const QString&)>;

    // `connection`: a name for the connection, unique in the process; `notice` tells the player.
    RecordWriter(QString connection, NoticeFunction notice);

    // Writes the game into the record at `path`; its row id, or 0 when it wasn't written.
    qint64 Write(const QString& path, const GameRecord& game);
    // Adds the name typed for the Leads to game `id` of the record at `path`.
    void SetLeadName(const QString& path, qint64 id, const QString& name);

private:
    // Runs the job on the open record at `path`, opening it first when needed, and once more
    // after the record was found damaged (and moved aside). False when it failed.
    bool Run(const QString& path, const std::function<void()>& job);
    void CannotRecord(const QString& path, const RecordsError& error);

    RecordsDatabase db_;
    NoticeFunction notice_;
    bool toldCannotRecord_ = false;
};

}  // namespace tavro
