// SPDX-License-Identifier: GPL-3.0-or-later
// Checking the record's file on an open handle (O_NONBLOCK, so a FIFO can't stop the game) and
// moving a damaged one aside without ever replacing another file (renameat2 with
// RENAME_NOREPLACE).
#include "records/RecordsFile.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QDateTime>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <array>
#include <cerrno>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <utility>

namespace tavro {
namespace {

constexpr char kSqliteMagic[] = "SQLite format 3";  // 16 bytes with its terminating zero
constexpr qint64 kSmallestDatabase = 512;           // one page of the smallest size

const char* const kJournalSuffixes[] = {"-wal", "-shm", "-journal"};

// What RecordsDatabase's Create names its temporary record: this prefix and mkstemp's six
// letters or digits.
constexpr char kNewRecordPrefix[] = ".records-new-";
constexpr std::size_t kTemporaryLetters = 6;

// Whether `name` is a temporary record or one of its journals.
bool IsLeftoverName(const char* name) {
    const std::size_t prefix = sizeof kNewRecordPrefix - 1;
    if (std::strncmp(name, kNewRecordPrefix, prefix) != 0) {
        return false;
    }
    const char* letters = name + prefix;
    for (std::size_t i = 0; i < kTemporaryLetters; ++i) {
        const char c = letters[i];
        if (!((c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9'))) {
            return false;
        }
    }
    const char* rest = letters + kTemporaryLetters;
    if (*rest == '\0') {
        return true;
    }
    for (const char* suffix : kJournalSuffixes) {
        if (std::strcmp(rest, suffix) == 0) {
            return true;
        }
    }
    return false;
}

QString ErrnoText(int error) {
    return QString::fromLocal8Bit(std::strerror(error));
}

RecordsFileCheck Damaged(const QString& reason) {
    RecordsFileCheck check;
    check.state = RecordsFileCheck::State::Damaged;
    check.reason = reason;
    return check;
}

// Whether `from` could be renamed to `to` without replacing anything; errno otherwise.
bool RenameNoReplace(const QString& from, const QString& to) {
    const QByteArray source = QFile::encodeName(from);
    const QByteArray target = QFile::encodeName(to);
    return ::renameat2(AT_FDCWD, source.constData(), AT_FDCWD, target.constData(),
                       RENAME_NOREPLACE) == 0;
}

bool Exists(const QString& path) {
    struct stat status {};
    return ::lstat(QFile::encodeName(path).constData(), &status) == 0;
}

RecordsFileCheck CheckEntry(const QByteArray& native, const struct stat& link) {
    // Links are followed, and what they point to is checked on the open handle.
    const int fd = ::open(native.constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
    if (fd < 0) {
        if (errno == ENOENT || errno == ELOOP) {
            return Damaged(QStringLiteral("a link that leads nowhere"));
        }
        if (S_ISLNK(link.st_mode)) {
            return Damaged(QStringLiteral("a link to something that can't be opened"));
        }
        // Can't be read now (permissions): no damage; SQLite will say why it can't open it.
        RecordsFileCheck check;
        check.state = RecordsFileCheck::State::Usable;
        struct stat target {};
        if (::stat(native.constData(), &target) == 0) {
            if (!S_ISREG(target.st_mode)) {
                return Damaged(QStringLiteral("not a regular file"));
            }
            check.device = target.st_dev;
            check.inode = target.st_ino;
        }
        return check;
    }
    struct stat status {};
    std::array<char, 16> header{};
    ssize_t got = -1;
    const bool known = ::fstat(fd, &status) == 0;
    if (known && S_ISREG(status.st_mode)) {
        if ((status.st_mode & 077) != 0 && status.st_uid == ::geteuid()) {
            ::fchmod(fd, status.st_mode & 0700);  // the player's own record, for no one else
        }
        got = ::pread(fd, header.data(), header.size(), 0);
    }
    ::close(fd);
    if (!known) {
        return Damaged(QStringLiteral("can't be examined"));
    }
    if (!S_ISREG(status.st_mode)) {
        return Damaged(S_ISDIR(status.st_mode) ? QStringLiteral("a folder")
                                               : QStringLiteral("not a regular file"));
    }
    if (status.st_size == 0) {
        return Damaged(QStringLiteral("an empty file"));
    }
    if (status.st_size < kSmallestDatabase || got != static_cast<ssize_t>(header.size()) ||
        std::memcmp(header.data(), kSqliteMagic, sizeof kSqliteMagic) != 0) {
        return Damaged(QStringLiteral("not a database"));
    }
    RecordsFileCheck check;
    check.state = RecordsFileCheck::State::Usable;
    check.device = status.st_dev;
    check.inode = status.st_ino;
    return check;
}

}  // namespace

QString RecordsFilePath() {
    const QString data = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
    return data + QStringLiteral("/tavro-memory/records.sqlite");
}

RecordsFileCheck CheckRecordsFile(const QString& path) {
    const QByteArray native = QFile::encodeName(path);
    struct stat link {};
    if (::lstat(native.constData(), &link) != 0) {
        return {};  // missing
    }
    RecordsFileCheck check = CheckEntry(native, link);
    check.entryDevice = link.st_dev;
    check.entryInode = link.st_ino;
    return check;
}

bool IsSameFile(const QString& path, const RecordsFileCheck& check) {
    if (check.inode == 0) {
        return true;  // not known: a file the player may not read, which SQLite refuses anyway
    }
    struct stat status {};
    return ::stat(QFile::encodeName(path).constData(), &status) == 0 && S_ISREG(status.st_mode) &&
           status.st_dev == check.device && status.st_ino == check.inode;
}

bool IsSameEntry(const QString& path, const RecordsFileCheck& check) {
    struct stat status {};
    return ::lstat(QFile::encodeName(path).constData(), &status) == 0 &&
           status.st_dev == check.entryDevice && status.st_ino == check.entryInode;
}

RecordsFolderLock::RecordsFolderLock(const QString& folder) {
    Descriptor opened(
        ::open(QFile::encodeName(folder).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (opened.IsOpen() && LockBefore(opened.Get(), LockMode::Exclusive,
                                      std::chrono::steady_clock::now() + std::chrono::seconds(3))
                               .Locked) {
        folder_ = std::move(opened);
    }
}

QString MoveRecordsAside(const QString& path, QString& error) {
    const QFileInfo info(path);
    const QString stem = info.path() + QStringLiteral("/records-damaged-") +
                         QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd-HHmmss"));
    for (int attempt = 1; attempt <= 100; ++attempt) {
        const QString target = stem +
                               (attempt == 1 ? QString() : QStringLiteral("-%1").arg(attempt)) +
                               QStringLiteral(".sqlite");
        // The journals' names must be free too, or an old journal would sit beside this one.
        bool taken = false;
        for (const char* suffix : kJournalSuffixes) {
            taken = taken || Exists(target + QLatin1String(suffix));
        }
        if (taken) {
            continue;
        }
        if (!RenameNoReplace(path, target)) {
            if (errno == EEXIST) {
                continue;
            }
            error = ErrnoText(errno);
            return {};
        }
        for (const char* suffix : kJournalSuffixes) {
            RenameNoReplace(path + QLatin1String(suffix), target + QLatin1String(suffix));
        }
        return target;
    }
    error = QStringLiteral("no free name for the damaged record");
    return {};
}

void RemoveStrayJournals(const QString& path) {
    for (const char* suffix : kJournalSuffixes) {
        ::unlink(QFile::encodeName(path + QLatin1String(suffix)).constData());
    }
}

int RemoveLeftoverRecords(const QString& folder) {
    const int fd =
        ::open(QFile::encodeName(folder).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) {
        return 0;
    }
    DIR* entries = ::fdopendir(fd);
    if (entries == nullptr) {
        ::close(fd);
        return 0;
    }
    int removed = 0;
    const uid_t self = ::geteuid();
    while (const dirent* entry = ::readdir(entries)) {
        if (!IsLeftoverName(entry->d_name)) {
            continue;
        }
        // Looked at and removed relative to the folder's handle, the entry itself (no link
        // followed): what another user put here, or anything but a plain file, stays.
        struct stat status {};
        if (::fstatat(fd, entry->d_name, &status, AT_SYMLINK_NOFOLLOW) == 0 &&
            S_ISREG(status.st_mode) && status.st_uid == self &&
            ::unlinkat(fd, entry->d_name, 0) == 0) {
            ++removed;
        }
    }
    ::closedir(entries);  // and fd with it
    return removed;
}

}  // namespace tavro
