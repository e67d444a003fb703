// SPDX-License-Identifier: GPL-3.0-or-later
// The writer's one path for every job: open when needed, run, and on a damaged record try once
// more in a new one.
#include "records/RecordWriter.h"

#include <utility>

#include "records/RecordsSql.h"

namespace tavro {

RecordWriter::RecordWriter(QString connection, NoticeFunction notice)
    : db_(std::move(connection)), notice_(std::move(notice)) {}

qint64 RecordWriter::Write(const QString& path, const GameRecord& game) {
    qint64 id = 0;
    Run(path, [&] { id = db_.Insert(game); });
    return id;
}

void RecordWriter::SetLeadName(const QString& path, qint64 id, const QString& name) {
    if (id > 0) {
        Run(path, [&] { db_.SetLeadName(id, name); });
    }
}

bool RecordWriter::Run(const QString& path, const std::function<void()>& job) {
    for (int attempt = 0; attempt < 2; ++attempt) {
        try {
            if (!db_.IsOpen() || db_.Path() != path) {
                const RecordsDatabase::Opening opening =
                    db_.Open(path, RecordsDatabase::Purpose::Writing);
                if (!opening.notice.isEmpty() && notice_) {
                    notice_(opening.notice);
                }
            }
            job();
            return true;
        } catch (const RecordsError& error) {
            db_.Close();
            if (error.kind() == RecordsError::Kind::Damaged && attempt == 0) {
                continue;  // opening again moves the damaged record aside
            }
            CannotRecord(path, error);
            return false;
        }
    }
    return false;
}

void RecordWriter::CannotRecord(const QString& path, const RecordsError& error) {
    if (toldCannotRecord_ || !notice_) {
        return;
    }
    toldCannotRecord_ = true;
    if (error.kind() == RecordsError::Kind::Newer) {
        notice_(tr("The record of games in %1 was made by a newer version of Tavro Memory, so "
                   "games are not recorded in it.")
                    .arg(path));
    } else if (error.kind() == RecordsError::Kind::NoSpace) {
        notice_(tr("Games can't be recorded in %1: there is no space left on the disk. You can "
                   "play on; this is said only once.")
                    .arg(path));
    } else {
        notice_(tr("Games can't be recorded in %1 (%2). You can play on; this is said only once.")
                    .arg(path, error.text()));
    }
}

}  // namespace tavro
