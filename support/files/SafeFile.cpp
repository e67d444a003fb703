// SPDX-License-Identifier: GPL-3.0-or-later
// Regular-file checks and bounded reads; see SafeFile.h. The file is opened with O_NONBLOCK and
// checked with fstat before anything reads from it: a plain QFile::open of a FIFO blocks until a
// writer appears, and QFileInfo checked before the open would leave a window in which the path
// could be replaced.
#include "files/SafeFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QCoreApplication>
#include <algorithm>
#include <cerrno>
#include <cstring>

namespace tavro {
namespace {

constexpr qint64 kReadChunk = 64 * 1024;

// The translation context of the file errors.
struct FileText {
    Q_DECLARE_TR_FUNCTIONS(SafeFile)
};

}  // namespace

QString NotRegularFileText() {
    return FileText::tr("not a regular file");
}

FileKind KindOfFile(const QString& path) {
    struct stat status {};
    if (::stat(QFile::encodeName(path).constData(), &status) != 0) {
        return FileKind::Missing;
    }
    return S_ISREG(status.st_mode) ? FileKind::Regular : FileKind::Other;
}

bool OpenRegularFile(QFile& file, const QString& path, QIODevice::OpenMode mode, QString& error) {
    int flags = O_CLOEXEC | O_NONBLOCK | O_NOCTTY;
    const bool reads = mode.testFlag(QIODevice::ReadOnly);
    const bool writes = mode.testFlag(QIODevice::WriteOnly);
    flags |= reads && writes ? O_RDWR : (writes ? O_WRONLY : O_RDONLY);
    const int fd = ::open(QFile::encodeName(path).constData(), flags);
    if (fd < 0) {
        // A folder refuses writing and a FIFO without a reader refuses a non-blocking writer:
        // both are told as what they are, like every other path that is no regular file.
        const int openError = errno;
        error = KindOfFile(path) == FileKind::Other
                    ? NotRegularFileText()
                    : QString::fromLocal8Bit(std::strerror(openError));
        return false;
    }
    struct stat status {};
    if (::fstat(fd, &status) != 0 || !S_ISREG(status.st_mode)) {
        ::close(fd);
        error = NotRegularFileText();
        return false;
    }
    // Back to ordinary blocking I/O for the regular file.
    const int statusFlags = ::fcntl(fd, F_GETFL);
    if (statusFlags == -1 || ::fcntl(fd, F_SETFL, statusFlags & ~O_NONBLOCK) == -1) {
        error = QString::fromLocal8Bit(std::strerror(errno));
        ::close(fd);
        return false;
    }
    file.setFileName(path);
    if (!file.open(fd, mode | QIODevice::ExistingOnly, QFileDevice::AutoCloseHandle)) {
        error = file.errorString();
        ::close(fd);
        return false;
    }
    return true;
}

BoundedRead ReadRegularFile(const QString& path, qint64 maxBytes) {
    BoundedRead result;
    switch (KindOfFile(path)) {
        case FileKind::Missing:
            result.status = BoundedRead::Status::Missing;
            result.error = FileText::tr("the file does not exist");
            return result;
        case FileKind::Other:
            result.status = BoundedRead::Status::NotRegular;
            result.error = NotRegularFileText();
            return result;
        case FileKind::Regular:
            break;
    }
    QFile file;
    if (!OpenRegularFile(file, path, QIODevice::ReadOnly, result.error)) {
        result.status = result.error == NotRegularFileText() ? BoundedRead::Status::NotRegular
                                                             : BoundedRead::Status::Failed;
        return result;
    }
    // QIODevice::read(n) sets aside n bytes before it reads, and the result keeps them: read what
    // the file holds by its size, then on up to the bound in case it has grown since.
    const qint64 limit = maxBytes + 1;
    result.bytes = file.read(std::min(std::max<qint64>(file.size(), 0) + 1, limit));
    while (result.bytes.size() < limit && file.error() == QFileDevice::NoError) {
        const QByteArray more =
            file.read(std::min<qint64>(kReadChunk, limit - result.bytes.size()));
        if (more.isEmpty()) {
            break;
        }
        result.bytes += more;
    }
    if (file.error() != QFileDevice::NoError) {
        result.status = BoundedRead::Status::Failed;
        result.error = file.errorString();
        result.bytes.clear();
        return result;
    }
    if (result.bytes.size() > maxBytes) {
        result.status = BoundedRead::Status::TooLarge;
        result.error = FileText::tr("the file is too large");
        result.bytes.clear();
        return result;
    }
    result.status = BoundedRead::Status::Ok;
    return result;
}

}  // namespace tavro
