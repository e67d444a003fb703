// SPDX-License-Identifier: GPL-3.0-or-later
// Rewriting "leads.dat"; see LeadsFileWrite.h. On POSIX systems:
// - a missing file is created with O_EXCL and mode 0666, so the kernel applies the umask and no
//   link or file that appears meanwhile is followed or replaced;
// - an existing file is opened for reading and writing first (a write-protected one is never
//   replaced), then replaced through a temporary file only when nothing about it would change;
// - a temporary file is locked (flock) while it is written, so a later load can tell a leftover
//   of a killed rewrite from one that a running copy is still writing.
#include "scores/LeadsFileWrite.h"

#include <QCoreApplication>
#include <QFile>

#include "files/SafeFile.h"
#include "scores/LeadsFile.h"

#ifdef Q_OS_UNIX
#include <dirent.h>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QRandomGenerator>
#include <algorithm>
#include <cerrno>
#include <cstring>
#include <utility>
#include <vector>
#else
#include <QSaveFile>
#endif

namespace tavro {
namespace {

QString FileName() {
    return QString::fromLatin1(kLeadsFileName);
}

const char* RecordBytes(const LeadsTable& table) {
    return reinterpret_cast<const char*>(&table);
}

}  // namespace

void ThrowLeadsFileError(const QString& reason) {
    throw LeadsFileError((FileName() + QStringLiteral(": ") + reason).toStdString());
}

#ifdef Q_OS_UNIX
namespace {

constexpr int kTemporarySuffixLength = 6;

QString ErrorText(int error) {
    return QString::fromLocal8Bit(std::strerror(error));
}

[[noreturn]] void ThrowErrno(int error) {
    ThrowLeadsFileError(ErrorText(error));
}

// A file descriptor that is closed when it goes out of scope.
class Descriptor {
public:
    explicit Descriptor(int fd = -1) : fd_(fd) {}
    ~Descriptor() {
        if (fd_ >= 0) {
            ::close(fd_);
        }
    }
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;
    Descriptor(Descriptor&& other) noexcept : fd_(std::exchange(other.fd_, -1)) {}
    Descriptor& operator=(Descriptor&& other) noexcept {
        Descriptor old(std::exchange(fd_, std::exchange(other.fd_, -1)));
        return *this;
    }

    int Get() const { return fd_; }
    bool IsOpen() const { return fd_ >= 0; }
    // Closes now; false (errno set) when the close reports an error.
    bool Close() { return ::close(std::exchange(fd_, -1)) == 0; }

private:
    int fd_;
};

QByteArray NativeName() {
    return QFile::encodeName(FileName());
}

// Writes all of the bytes, going on after a write that stops part-way, so that the failing call
// sets errno. False on failure.
bool WriteAll(int fd, const char* bytes, std::size_t size) {
    while (size > 0) {
        const ssize_t count = ::write(fd, bytes, size);
        if (count < 0 && errno == EINTR) {
            continue;
        }
        if (count <= 0) {
            if (count == 0) {
                errno = EIO;
            }
            return false;
        }
        bytes += count;
        size -= static_cast<std::size_t>(count);
    }
    return true;
}

// Writes the record at fd's offset (the file's start here) and flushes it to disk; false (errno
// set) on failure.
bool WriteRecordTo(int fd, const LeadsTable& table) {
    return WriteAll(fd, RecordBytes(table), sizeof table) && ::fsync(fd) == 0;
}

// Flushes a rename or a new name in the working folder to disk; a failure is of no consequence
// for what the folder holds now, so it is passed over.
void SyncFolder() {
    const Descriptor folder(::open(".", O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (folder.IsOpen()) {
        ::fsync(folder.Get());
    }
}

// True when fd is still the file that the name in the working folder names (not a link).
bool StillNamedBy(int fd, const QByteArray& name) {
    struct stat open {};
    struct stat named {};
    return ::fstat(fd, &open) == 0 && ::lstat(name.constData(), &named) == 0 &&
           open.st_dev == named.st_dev && open.st_ino == named.st_ino;
}

// Creates a missing file holding the record. False when a file of that name appeared meanwhile.
bool CreateNew(const LeadsTable& table) {
    Descriptor file(::open(NativeName().constData(),
                           O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC | O_NOFOLLOW, 0666));
    if (!file.IsOpen()) {
        if (errno == EEXIST) {
            return false;
        }
        ThrowErrno(errno);
    }
    // A short new file is no loss: the next load replaces it with the default table.
    if (!WriteRecordTo(file.Get(), table) || !file.Close()) {
        ThrowErrno(errno);
    }
    SyncFolder();
    return true;
}

// Replacing the file loses nothing only when the name is no link, the file has no other name,
// and it belongs to whoever replaces it (a replacement belongs to its creator).
bool ReplaceKeepsEverything(int fd) {
    struct stat status {};
    return ::fstat(fd, &status) == 0 && StillNamedBy(fd, NativeName()) && status.st_nlink == 1 &&
           status.st_uid == ::geteuid();
}

// Our own temporary files only: the prefix and exactly six letters or digits.
bool IsTemporaryName(const char* name) {
    const std::size_t prefix = std::strlen(kLeadsTemporaryPrefix);
    if (std::strlen(name) != prefix + kTemporarySuffixLength ||
        std::strncmp(name, kLeadsTemporaryPrefix, prefix) != 0) {
        return false;
    }
    return std::all_of(name + prefix, name + prefix + kTemporarySuffixLength, [](char c) {
        return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9');
    });
}

struct Temporary {
    Descriptor File;
    QByteArray Name;
    int Error = 0;  // errno when the file could not be created
};

QByteArray NewTemporaryName() {
    static constexpr char kAlphabet[] =
        "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789";
    QByteArray name(kLeadsTemporaryPrefix);
    for (int i = 0; i < kTemporarySuffixLength; ++i) {
        name.append(kAlphabet[QRandomGenerator::global()->bounded(int{sizeof kAlphabet} - 1)]);
    }
    return name;
}

// A new temporary file beside "leads.dat", private to its owner until it takes the old file's
// mode, and locked for as long as it is open. Not open when it can't be created.
Temporary CreateTemporary() {
    for (int attempt = 0; attempt < 100; ++attempt) {
        Temporary temporary{Descriptor(), NewTemporaryName(), 0};
        temporary.File =
            Descriptor(::open(temporary.Name.constData(),
                              O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC | O_NOFOLLOW, 0600));
        if (!temporary.File.IsOpen()) {
            if (errno == EEXIST) {
                continue;
            }
            temporary.Error = errno;
            return temporary;
        }
        // Without the lock, a load could take the file for a leftover; where the file system has
        // no locks, no load ever removes it either.
        ::flock(temporary.File.Get(), LOCK_EX);
        // A load may have removed it as a leftover between the creation and the lock.
        if (StillNamedBy(temporary.File.Get(), temporary.Name)) {
            return temporary;
        }
    }
    return {Descriptor(), {}, EEXIST};
}

// Replaces the file behind fd (the open "leads.dat") with a new one holding the record, with the
// same group and mode. False, with nothing changed, when the folder takes no new file or the new
// one can't be made like the old one; throws when writing or renaming fails, leaving the old file.
bool ReplaceAtomically(int fd, const LeadsTable& table) {
    struct stat old {};
    if (::fstat(fd, &old) != 0) {
        return false;
    }
    Temporary temporary = CreateTemporary();
    if (!temporary.File.IsOpen()) {
        const int error = temporary.Error;
        if (error == EACCES || error == EPERM || error == EROFS) {
            return false;  // a folder the player may not write
        }
        ThrowErrno(error);
    }
    const auto discard = [&] { ::unlink(temporary.Name.constData()); };
    struct stat made {};
    const int tmp = temporary.File.Get();
    // The group first: changing it may clear the set-group-ID bit of the mode.
    if (::fstat(tmp, &made) != 0 ||
        (made.st_gid != old.st_gid && ::fchown(tmp, static_cast<uid_t>(-1), old.st_gid) != 0) ||
        ::fchmod(tmp, old.st_mode & 07777) != 0) {
        discard();
        return false;
    }
    if (!WriteRecordTo(tmp, table) ||
        ::rename(temporary.Name.constData(), NativeName().constData()) != 0) {
        const int error = errno;
        discard();
        ThrowErrno(error);
    }
    SyncFolder();
    return true;
}

// Cuts the open file to length 0 and writes the record into it.
void RewriteInPlace(int fd, const LeadsTable& table) {
    if (::ftruncate(fd, 0) != 0 || ::lseek(fd, 0, SEEK_SET) != 0 || !WriteRecordTo(fd, table)) {
        ThrowErrno(errno);
    }
}

// "leads.dat" names a symbolic link that leads nowhere.
bool IsDanglingLink() {
    struct stat status {};
    return ::lstat(NativeName().constData(), &status) == 0 && S_ISLNK(status.st_mode);
}

}  // namespace

void CheckLeadsFileKind() {
    switch (KindOfFile(FileName())) {
        case FileKind::Regular:
            return;
        case FileKind::Other:
            ThrowLeadsFileError(NotRegularFileText());
        case FileKind::Missing:
            if (IsDanglingLink()) {
                ThrowLeadsFileError(QCoreApplication::translate(
                    "SafeFile", "a link to a file that does not exist"));
            }
            return;
    }
}

void WriteLeadsRecord(const LeadsTable& table) {
    CheckLeadsFileKind();
    if (KindOfFile(FileName()) == FileKind::Missing && CreateNew(table)) {
        return;
    }
    // The existing file, which must open for reading and writing, as a file rewritten in place
    // does; a write-protected file is thus never replaced either.
    QFile file;
    QString error;
    if (!OpenRegularFile(file, FileName(), QIODevice::ReadWrite | QIODevice::Unbuffered, error)) {
        ThrowLeadsFileError(error);
    }
    const int fd = file.handle();
    if (ReplaceKeepsEverything(fd) && ReplaceAtomically(fd, table)) {
        return;
    }
    RewriteInPlace(fd, table);
    file.close();
}

void RemoveLeftoverTemporaries() {
    DIR* folder = ::opendir(".");
    if (!folder) {
        return;
    }
    std::vector<QByteArray> leftovers;
    while (const dirent* entry = ::readdir(folder)) {
        if (IsTemporaryName(entry->d_name)) {
            leftovers.emplace_back(entry->d_name);
        }
    }
    ::closedir(folder);
    for (const QByteArray& name : leftovers) {
        const Descriptor file(
            ::open(name.constData(), O_RDONLY | O_NONBLOCK | O_NOFOLLOW | O_CLOEXEC));
        struct stat status {};
        // One still locked is being written right now.
        if (file.IsOpen() && ::fstat(file.Get(), &status) == 0 && S_ISREG(status.st_mode) &&
            ::flock(file.Get(), LOCK_EX | LOCK_NB) == 0 && StillNamedBy(file.Get(), name)) {
            ::unlink(name.constData());
        }
    }
}

#else  // no POSIX: replaced through QSaveFile, whose temporary files Qt names and removes

void CheckLeadsFileKind() {
    if (KindOfFile(FileName()) == FileKind::Other) {
        ThrowLeadsFileError(NotRegularFileText());
    }
}

void WriteLeadsRecord(const LeadsTable& table) {
    CheckLeadsFileKind();
    if (KindOfFile(FileName()) == FileKind::Regular) {
        QFile existing;
        QString error;
        if (!OpenRegularFile(existing, FileName(), QIODevice::ReadWrite, error)) {
            ThrowLeadsFileError(error);
        }
    }
    QSaveFile file(FileName());
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) {
        ThrowLeadsFileError(file.errorString());
    }
    if (file.write(RecordBytes(table), sizeof table) != qint64{sizeof table} || !file.commit()) {
        ThrowLeadsFileError(file.errorString());
    }
}

void RemoveLeftoverTemporaries() {}

#endif

}  // namespace tavro
