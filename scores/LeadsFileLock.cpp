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
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QCoreApplication>
#include <QFile>
#include <algorithm>
#include <cerrno>
#include <thread>
#include <utility>

#include "scores/LeadsFile.h"
#include "scores/LeadsFileWrite.h"

namespace tavro {
namespace {

std::chrono::milliseconds timeLimit{5000};

}  // namespace

std::chrono::milliseconds LeadsLockTimeLimit() {
    return timeLimit;
}

void SetLeadsLockTimeLimit(std::chrono::milliseconds limit) {
    timeLimit = limit;
}

QString LeadsLockTimeoutText() {
    return QCoreApplication::translate("SafeFile", "the file is locked by another program");
}

void ThrowLeadsLockTimeout() {
    throw LeadsFileLocked(
        (QString::fromLatin1(kLeadsFileName) + QStringLiteral(": ") + LeadsLockTimeoutText())
            .toStdString());
}

LeadsFileLock::Clock::time_point LeadsFileLock::Deadline() {
    return Clock::now() + timeLimit;
}

LeadsFileLock::LeadsFileLock(LeadsFileLock&& other) noexcept
    : fd_(std::exchange(other.fd_, -1)), missing_(other.missing_) {}

LeadsFileLock& LeadsFileLock::operator=(LeadsFileLock&& other) noexcept {
    if (this != &other) {
        Release();
        fd_ = std::exchange(other.fd_, -1);
        missing_ = other.missing_;
    }
    return *this;
}

LeadsFileLock::~LeadsFileLock() {
    Release();
}

namespace {

// Waits for the exclusive lock on fd until the deadline, in steps that grow from one to twenty
// milliseconds. 0 once locked, otherwise the errno of the failure (EWOULDBLOCK: time-out).
int LockUntil(int fd, LeadsFileLock::Clock::time_point deadline) {
    auto pause = std::chrono::milliseconds(1);
    for (;;) {
        if (::flock(fd, LOCK_EX | LOCK_NB) == 0) {
            return 0;
        }
        if (errno == EINTR) {
            continue;
        }
        if (errno != EWOULDBLOCK) {
            return errno;
        }
        const auto now = LeadsFileLock::Clock::now();
        if (now >= deadline) {
            return EWOULDBLOCK;
        }
        std::this_thread::sleep_for(
            std::min<LeadsFileLock::Clock::duration>(pause, deadline - now));
        pause = std::min(pause * 2, std::chrono::milliseconds(20));
    }
}

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
        const int fd = ::open(name.constData(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
        if (fd < 0) {
            return LeadsFileLock(-1, errno == ENOENT);
        }
        struct stat status {};
        if (::fstat(fd, &status) != 0 || !S_ISREG(status.st_mode)) {
            ::close(fd);
            return LeadsFileLock(-1, false);  // no regular file: the caller's checks report it
        }
        const int error = LockUntil(fd, deadline);
        if (error == EWOULDBLOCK) {
            ::close(fd);
            ThrowLeadsLockTimeout();
        }
        if (error != 0) {
            ::close(fd);
            return LeadsFileLock(-1, false);  // a file system without locks
        }
        if (NameLeadsTo(name, fd)) {
            return LeadsFileLock(fd, false);
        }
        // Replaced or removed while this copy waited: on to what the name leads to now.
        ::close(fd);
        if (Clock::now() >= deadline) {
            ThrowLeadsLockTimeout();
        }
    }
}

void LeadsFileLock::Release() {
    if (fd_ >= 0) {
        ::close(std::exchange(fd_, -1));  // closing the only descriptor ends the lock
    }
}

}  // namespace tavro
