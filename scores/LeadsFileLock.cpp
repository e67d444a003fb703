// SPDX-License-Identifier: GPL-3.0-or-later
// The lock on "leads.dat"; see LeadsFileLock.h.
//
// What is locked: the file itself, the one that "leads.dat" leads to, with flock on a read-only
// descriptor. Not a lock file beside it: a folder that the player may not write takes no lock
// file, and copies that reach one table through different symbolic or hard links would each
// lock a file of their own. The file itself is shared by every name that leads to it, and any
// reader can lock it. An atomic replace puts a new file in its place, though, while a waiting
// copy still holds the old one; so once the lock is granted, the name is checked to lead to the
// locked file still, and otherwise the copy starts again on the file the name leads to now. A
// replace or a removal therefore happens only under the lock of the file it displaces.
//
// The lock is flock's. A port to a system without it replaces this file, keeping LeadsFileLock.h
// (LockFileEx would be the counterpart, but it locks a byte range of the handle against the
// handle's own reads and writes as well, so the writes would have to go through that handle).
#include "scores/LeadsFileLock.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QCoreApplication>
#include <QFile>
#include <cerrno>
#include <utility>

#include "scores/LeadsFile.h"
#include "scores/LeadsFileWrite.h"

namespace tavro {

QString LeadsLockTimeoutText() {
    return QCoreApplication::translate("SafeFile", "the file is locked by another program");
}

void ThrowLeadsLockTimeout() {
    throw LeadsFileLocked(
        (QString::fromLatin1(kLeadsFileName) + QStringLiteral(": ") + LeadsLockTimeoutText())
            .toStdString());
}

LeadsFileLock::Clock::time_point LeadsFileLock::Deadline(std::chrono::milliseconds limit) {
    return Clock::now() + limit;
}

namespace {

// True when the name leads to the file open as fd (following links).
bool NameLeadsTo(const QByteArray& name, int fd) {
    struct stat open {};
    struct stat named {};
    return ::fstat(fd, &open) == 0 && ::stat(name.constData(), &named) == 0 &&
           open.st_dev == named.st_dev && open.st_ino == named.st_ino;
}

}  // namespace

LeadsFileLock LeadsFileLock::Acquire(Clock::time_point deadline) {
    const QByteArray name = QFile::encodeName(QString::fromLatin1(kLeadsFileName));
    for (;;) {
        Descriptor file(::open(name.constData(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC));
        if (!file.IsOpen()) {
            return LeadsFileLock(Descriptor(), errno == ENOENT);
        }
        struct stat status {};
        if (::fstat(file.Get(), &status) != 0 || !S_ISREG(status.st_mode)) {
            // No regular file: the caller's checks report it.
            return LeadsFileLock(Descriptor(), false);
        }
        const LockResult lock = LockBefore(file.Get(), LockMode::Exclusive, deadline);
        if (lock.TimedOut()) {
            ThrowLeadsLockTimeout();
        }
        if (!lock.Locked) {
            return LeadsFileLock(Descriptor(), false);  // a file system without locks
        }
        if (NameLeadsTo(name, file.Get())) {
            return LeadsFileLock(std::move(file), false);
        }
        // Replaced or removed while this copy waited: on to what the name leads to now (the
        // old file's lock ends as it is closed).
        if (Clock::now() >= deadline) {
            ThrowLeadsLockTimeout();
        }
    }
}

}  // namespace tavro
