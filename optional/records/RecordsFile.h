// SPDX-License-Identifier: GPL-3.0-or-later
// The file of the record of games, records.sqlite in the player's data folder, before SQLite
// sees it: where it lives, whether what is there can be opened at all (only a regular file, or a
// link to one, that starts as a SQLite database does; a folder, a device, a FIFO, garbage or an
// empty file are damaged), and moving a damaged one aside under a dated name with its journal
// files, so that a new record can start and nothing of the old one is lost.
#pragma once

#include <QString>

#include "files/Descriptor.h"

namespace tavro {

// "$XDG_DATA_HOME/tavro-memory/records.sqlite" (or under "~/.local/share" without it).
QString RecordsFilePath();

struct RecordsFileCheck {
    enum class State { Missing, Usable, Damaged };
    State state = State::Missing;
    QString reason;  // for a damaged file: what is wrong, in English
    // For a usable file: its device and inode, to make sure SQLite opened this very file.
    quint64 device = 0;
    quint64 inode = 0;
    // What the path itself names (a link's own inode): to make sure a repair acts on what was
    // checked, not on what another copy has put there since.
    quint64 entryDevice = 0;
    quint64 entryInode = 0;
};

// Looks at what the path names without blocking on it (a FIFO or device is never read). A usable
// file owned by the player is made private to them (mode 0600) if it was not.
RecordsFileCheck CheckRecordsFile(const QString& path);

// Whether the path still names the file the check found usable.
bool IsSameFile(const QString& path, const RecordsFileCheck& check);
// Whether the path itself (not what a link points to) is still what the check found.
bool IsSameEntry(const QString& path, const RecordsFileCheck& check);

// Holds the folder's lock (flock on the folder itself) while it lives, waiting up to three
// seconds for it: the few steps that change what the record's path names run under it, one copy
// of the game at a time. The system lets go of it when a copy dies. Without it (a folder that
// can't be opened, a copy stuck) the steps still run: each is safe alone.
class RecordsFolderLock {
public:
    explicit RecordsFolderLock(const QString& folder);

    // Whether the lock is held (not so when the folder can't be opened or a copy is stuck).
    bool Held() const { return folder_.IsOpen(); }

private:
    Descriptor folder_;  // open only while the lock is held; closing it lets go
};

// Moves what the path names (a file, folder or link, never what a link points to) and its
// "-wal", "-shm" and "-journal" files aside to "records-damaged-<date>-<time>.sqlite" in the same
// folder (with "-2", "-3", ... when that is taken). Returns the new path, or an empty one with the
// reason in `error`.
QString MoveRecordsAside(const QString& path, QString& error);

// Removes "-wal", "-shm" and "-journal" files left beside a database that is gone, so that a new
// database made at the path cannot take up an old journal.
void RemoveStrayJournals(const QString& path);

// Removes what a copy of the game killed while it made a new record left in `folder`: the files
// ".records-new-XXXXXX" and their journals. Only regular files of this user with exactly such a
// name go (a link is never followed, and stays); the number removed. Call it under the
// folder's lock, which every copy holds while it makes a record.
int RemoveLeftoverRecords(const QString& folder);

}  // namespace tavro
