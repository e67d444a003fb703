// SPDX-License-Identifier: GPL-3.0-or-later
// Rewriting "leads.dat"; see LeadsFileWrite.h. Callers hold the file's lock (LeadsFileLock.h).
// The file is handled through the POSIX calls (a port to a system without them replaces this
// file, keeping LeadsFileWrite.h):
// - a missing file is written whole under a temporary name and then linked to "leads.dat",
//   which fails rather than replace a file that appeared meanwhile; no reader ever finds a new
//   file empty, and the kernel applies the umask to its mode 0666;
// - an existing file is opened for reading and writing first (a write-protected one is never
//   replaced), then replaced through a temporary file beside it, or beside the file a symbolic
//   link leads to, only when nothing about it would change: its owner, group and mode are made
//   again, and checked, and a file with an access control list or other extended attributes
//   (which a new file would not have) is never replaced;
// - any other file is written over in place without being cut first, so that it never holds
//   fewer than 152 bytes, not even for a moment;
// - a temporary file is locked (flock) while it is written, so a later load can tell a leftover
//   of a killed rewrite from one that a running copy is still writing.
#include "scores/LeadsFileWrite.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <sys/xattr.h>
#include <unistd.h>

#include <QCoreApplication>
#include <QFile>
#include <QRandomGenerator>
#include <algorithm>
#include <cerrno>
#include <climits>
#include <cstdlib>
#include <cstring>
#include <optional>
#include <utility>
#include <vector>

#include "files/Descriptor.h"
#include "files/SafeFile.h"
#include "scores/LeadsFile.h"

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

namespace {

constexpr int kTemporarySuffixLength = 6;

QString ErrorText(int error) {
    return QString::fromLocal8Bit(std::strerror(error));
}

[[noreturn]] void ThrowErrno(int error) {
    ThrowLeadsFileError(ErrorText(error));
}

QByteArray NativeName() {
    return QFile::encodeName(FileName());
}

// Where a file lies: its folder ("." for the working folder) and its name there.
struct Place {
    QByteArray Folder;
    QByteArray Name;
    QByteArray Path() const { return Folder + '/' + Name; }
};

Place WorkingPlace() {
    return {QByteArrayLiteral("."), NativeName()};
}

bool NameIsLink() {
    struct stat status {};
    return ::lstat(NativeName().constData(), &status) == 0 && S_ISLNK(status.st_mode);
}

// Where the file lies that the symbolic link "leads.dat" leads to, every link on the way
// resolved. None when the name is no link or the way can't be followed.
std::optional<Place> LinkTargetPlace() {
    if (!NameIsLink()) {
        return std::nullopt;
    }
    // A buffer of PATH_MAX (the longest path realpath resolves in any case) lets the hardened
    // build check the call (__realpath_chk).
    char resolved[PATH_MAX];
    if (::realpath(NativeName().constData(), resolved) == nullptr) {
        return std::nullopt;
    }
    const QByteArray path(resolved);
    const qsizetype slash = path.lastIndexOf('/');
    return Place{slash == 0 ? QByteArrayLiteral("/") : path.left(slash), path.mid(slash + 1)};
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

// Flushes a rename or a new name in the folder to disk; a failure is of no consequence for what
// the folder holds now, so it is passed over.
void SyncFolder(const QByteArray& path) {
    const Descriptor folder(::open(path.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (folder.IsOpen()) {
        ::fsync(folder.Get());
    }
}

// True when fd is still the file that the path names (the path itself, not a link on it).
bool StillNamedBy(int fd, const QByteArray& path) {
    struct stat open {};
    struct stat named {};
    return ::fstat(fd, &open) == 0 && ::lstat(path.constData(), &named) == 0 &&
           open.st_dev == named.st_dev && open.st_ino == named.st_ino;
}

// Whether the file open as fd carries extended attributes that a new file would not: an access
// control list (system.posix_acl_access), the player's own (user.*) and the like. Security
// labels (security.*) are given to every new file by the system itself. A file system without
// extended attributes has none; any other failure to list them counts as having some.
bool HasExtendedAttributes(int fd) {
    for (int attempt = 0; attempt < 3; ++attempt) {
        const ssize_t size = ::flistxattr(fd, nullptr, 0);
        if (size <= 0) {
            return size < 0 && errno != ENOTSUP && errno != ENOSYS;
        }
        std::vector<char> names(static_cast<std::size_t>(size));
        const ssize_t listed = ::flistxattr(fd, names.data(), names.size());
        if (listed < 0) {
            if (errno == ERANGE) {
                continue;  // one was added meanwhile
            }
            return true;
        }
        for (const char* name = names.data(); name < names.data() + listed;
             name += std::strlen(name) + 1) {
            if (std::strncmp(name, "security.", 9) != 0) {
                return true;
            }
        }
        return false;
    }
    return true;
}

// Where the file open as fd may be replaced by a new one without losing anything, if anywhere:
// it has no other name, it belongs to whoever replaces it (a replacement belongs to its
// creator), it has no access control list or other extended attributes, and "leads.dat" names
// it, or is a symbolic link to it, which then stays as it is.
std::optional<Place> ReplaceablePlace(int fd) {
    struct stat status {};
    if (::fstat(fd, &status) != 0 || status.st_nlink != 1 || status.st_uid != ::geteuid() ||
        HasExtendedAttributes(fd)) {
        return std::nullopt;
    }
    std::optional<Place> place =
        StillNamedBy(fd, NativeName()) ? std::optional(WorkingPlace()) : LinkTargetPlace();
    if (place && StillNamedBy(fd, place->Path())) {
        return place;
    }
    return std::nullopt;
}

QByteArray TemporaryPrefix(const QByteArray& name) {
    return name + kLeadsTemporaryMark;
}

// Our own temporary files for the file `name` only: its prefix and exactly six letters or digits.
bool IsTemporaryName(const char* entry, const QByteArray& name) {
    const QByteArray prefix = TemporaryPrefix(name);
    const std::size_t length = static_cast<std::size_t>(prefix.size());
    if (std::strlen(entry) != length + kTemporarySuffixLength ||
        std::strncmp(entry, prefix.constData(), length) != 0) {
        return false;
    }
    return std::all_of(entry + length, entry + length + kTemporarySuffixLength, [](char c) {
        return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9');
    });
}

struct Temporary {
    Descriptor File;
    QByteArray Path;
    int Error = 0;  // errno when the file could not be created
};

QByteArray NewTemporaryPath(const Place& place) {
    static constexpr char kAlphabet[] =
        "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789";
    QByteArray name = TemporaryPrefix(place.Name);
    for (int i = 0; i < kTemporarySuffixLength; ++i) {
        name.append(kAlphabet[QRandomGenerator::global()->bounded(int{sizeof kAlphabet} - 1)]);
    }
    return Place{place.Folder, name}.Path();
}

// A new temporary file beside the place, with the mode (less the umask), locked for as long as
// it is open. Not open when it can't be created.
Temporary CreateTemporary(const Place& place, mode_t mode) {
    for (int attempt = 0; attempt < 100; ++attempt) {
        Temporary temporary{Descriptor(), NewTemporaryPath(place), 0};
        temporary.File =
            Descriptor(::open(temporary.Path.constData(),
                              O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC | O_NOFOLLOW, mode));
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
        if (StillNamedBy(temporary.File.Get(), temporary.Path)) {
            return temporary;
        }
    }
    return {Descriptor(), {}, EEXIST};
}

// Errors of creating a file that mean: not in this folder (the caller goes another way).
bool FolderRefuses(int error) {
    return error == EACCES || error == EPERM || error == EROFS || error == ENAMETOOLONG;
}

// Where the file system has no hard links: the file is made empty, locked at once (a load that
// came by before the lock finds it short and writes the default table: no stored score is
// lost), and written. False when a file of that name appeared meanwhile.
bool CreateInPlace(const LeadsTable& table) {
    Descriptor file(::open(NativeName().constData(),
                           O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC | O_NOFOLLOW, 0666));
    if (!file.IsOpen()) {
        if (errno == EEXIST) {
            return false;
        }
        ThrowErrno(errno);
    }
    ::flock(file.Get(), LOCK_EX);
    if (!WriteRecordTo(file.Get(), table) || !file.Close()) {
        ThrowErrno(errno);
    }
    SyncFolder(QByteArrayLiteral("."));
    return true;
}

// Creates the missing file holding the record: written whole under a temporary name, then given
// the name "leads.dat" by a hard link, which never replaces a file. False when a file of that
// name appeared meanwhile.
bool CreateNew(const LeadsTable& table) {
    Temporary temporary = CreateTemporary(WorkingPlace(), 0666);
    if (!temporary.File.IsOpen()) {
        ThrowErrno(temporary.Error);
    }
    const auto discard = [&] { ::unlink(temporary.Path.constData()); };
    if (!WriteRecordTo(temporary.File.Get(), table)) {
        const int error = errno;
        discard();
        ThrowErrno(error);
    }
    const bool linked = ::link(temporary.Path.constData(), NativeName().constData()) == 0;
    const int error = errno;
    discard();
    if (linked) {
        SyncFolder(QByteArrayLiteral("."));
        return true;
    }
    if (error == EEXIST) {
        return false;
    }
    if (error == EPERM || error == EOPNOTSUPP || error == EMLINK || error == ENOSYS) {
        return CreateInPlace(table);
    }
    ThrowErrno(error);
}

// Whether the new file open as fd is made like the old one: the same owner, group and mode, and
// no extended attributes (a folder's default access control list gives a new file one).
bool MadeLike(int fd, const struct stat& old) {
    struct stat made {};
    return ::fstat(fd, &made) == 0 && made.st_uid == old.st_uid && made.st_gid == old.st_gid &&
           (made.st_mode & 07777) == (old.st_mode & 07777) && !HasExtendedAttributes(fd);
}

// Replaces the file behind fd (the open "leads.dat") at its place with a new one holding the
// record, with the same owner, group and mode. False, with nothing changed, when the folder takes
// no new file or the new one can't be made like the old one; throws when writing or renaming
// fails, leaving the old file.
bool ReplaceAtomically(int fd, const LeadsTable& table, const Place& place) {
    struct stat old {};
    if (::fstat(fd, &old) != 0) {
        return false;
    }
    // Private to its owner until it takes the old file's mode.
    Temporary temporary = CreateTemporary(place, 0600);
    if (!temporary.File.IsOpen()) {
        if (FolderRefuses(temporary.Error)) {
            return false;
        }
        ThrowErrno(temporary.Error);
    }
    const auto discard = [&] { ::unlink(temporary.Path.constData()); };
    struct stat made {};
    const int tmp = temporary.File.Get();
    // The group first: changing it may clear the set-group-ID bit of the mode.
    if (::fstat(tmp, &made) != 0 ||
        (made.st_gid != old.st_gid && ::fchown(tmp, static_cast<uid_t>(-1), old.st_gid) != 0) ||
        ::fchmod(tmp, old.st_mode & 07777) != 0 || !MadeLike(tmp, old)) {
        discard();
        return false;
    }
    if (!WriteRecordTo(tmp, table) ||
        ::rename(temporary.Path.constData(), place.Path().constData()) != 0) {
        const int error = errno;
        discard();
        ThrowErrno(error);
    }
    SyncFolder(place.Folder);
    return true;
}

// Writes the record over the first 152 bytes of the open file, without cutting it first, so
// that the file never holds fewer than 152 bytes: a kill leaves the old table or the new one,
// as one write of 152 bytes at the start of a file is never cut short by a signal. A longer
// hand-made file is cut to 152 bytes after the record is in place.
void RewriteInPlace(int fd, const LeadsTable& table) {
    struct stat status {};
    constexpr off_t kRecordSize = off_t{sizeof table};
    if (::lseek(fd, 0, SEEK_SET) != 0 || !WriteAll(fd, RecordBytes(table), sizeof table) ||
        ::fstat(fd, &status) != 0 ||
        (status.st_size > kRecordSize && ::ftruncate(fd, kRecordSize) != 0) || ::fsync(fd) != 0) {
        ThrowErrno(errno);
    }
}

// Removes the temporary files of the file at the place that a killed rewrite left behind.
void RemoveLeftoversAt(const Place& place) {
    DIR* folder = ::opendir(place.Folder.constData());
    if (!folder) {
        return;
    }
    std::vector<QByteArray> leftovers;
    while (const dirent* entry = ::readdir(folder)) {
        if (IsTemporaryName(entry->d_name, place.Name)) {
            leftovers.push_back(Place{place.Folder, entry->d_name}.Path());
        }
    }
    ::closedir(folder);
    for (const QByteArray& path : leftovers) {
        const Descriptor file(
            ::open(path.constData(), O_RDONLY | O_NONBLOCK | O_NOFOLLOW | O_CLOEXEC));
        struct stat status {};
        // One still locked is being written right now.
        if (file.IsOpen() && ::fstat(file.Get(), &status) == 0 && S_ISREG(status.st_mode) &&
            ::flock(file.Get(), LOCK_EX | LOCK_NB) == 0 && StillNamedBy(file.Get(), path)) {
            ::unlink(path.constData());
        }
    }
}

}  // namespace

void CheckLeadsFileKind() {
    switch (KindOfFile(FileName())) {
        case FileKind::Regular:
            return;
        case FileKind::Other:
            ThrowLeadsFileError(NotRegularFileText());
        case FileKind::Missing:
            if (NameIsLink()) {
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
    if (const std::optional<Place> place = ReplaceablePlace(fd);
        place && ReplaceAtomically(fd, table, *place)) {
        return;
    }
    RewriteInPlace(fd, table);
    file.close();
}

bool WriteNewLeadsFile(const LeadsTable& table) {
    if (CreateNew(table)) {
        return true;
    }
    CheckLeadsFileKind();  // what appeared meanwhile may be no regular file, or a link to nothing
    return false;
}

bool RemoveReplaceableLeadsFile() {
    const Descriptor file(::open(NativeName().constData(),
                                 O_RDONLY | O_NONBLOCK | O_NOFOLLOW | O_NOCTTY | O_CLOEXEC));
    struct stat status {};
    if (!file.IsOpen() || ::fstat(file.Get(), &status) != 0 || !S_ISREG(status.st_mode)) {
        return false;
    }
    const std::optional<Place> place = ReplaceablePlace(file.Get());
    if (!place || place->Folder != ".") {
        return false;
    }
    if (::unlink(NativeName().constData()) != 0) {
        return false;
    }
    SyncFolder(QByteArrayLiteral("."));
    return true;
}

bool LeadsFileIsLink() {
    return NameIsLink();
}

void RemoveLeftoverTemporaries() {
    RemoveLeftoversAt(WorkingPlace());
    if (const std::optional<Place> target = LinkTargetPlace()) {
        RemoveLeftoversAt(*target);
    }
}

}  // namespace tavro
