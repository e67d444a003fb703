// SPDX-License-Identifier: GPL-3.0-or-later
// Writing card pictures as 24-bit Windows bitmaps and checking them with the game's header check.
#include "cardart/CardBitmap.h"

#include <fcntl.h>
#include <unistd.h>

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <cerrno>
#include <cstring>

#include "cardart/CardDrawing.h"
#include "pictures/BitmapHeader.h"

namespace tavro::cardsets {
namespace {

QString Where(const QString& fileName) {
    return QDir::toNativeSeparators(fileName);
}

QByteArray EncodeBitmap(const QImage& picture) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    if (!picture.convertToFormat(QImage::Format_RGB888).save(&buffer, "BMP")) {
        return {};
    }
    return bytes;
}

}  // namespace

QString CardBitmapProblem(const QByteArray& bytes) {
    const QString problem = CheckBitmapHeader(bytes);
    if (!problem.isEmpty()) {
        return problem;
    }
    const BitmapHeader header = ParseBitmapHeader(bytes);
    if (header.bitCount != 24 || header.compression != kBiRgb || header.width != kCardSize ||
        header.height != kCardSize) {
        return QStringLiteral("not an uncompressed 24-bit %1 x %1 bitmap").arg(kCardSize);
    }
    return {};
}

void WriteFileDurably(const QString& fileName, const QByteArray& bytes) {
    const int file = ::open(QFile::encodeName(fileName).constData(),
                            O_WRONLY | O_CREAT | O_TRUNC | O_NOFOLLOW | O_CLOEXEC, 0666);
    int error = file < 0 ? errno : 0;
    for (qsizetype written = 0; error == 0 && written < bytes.size();) {
        const ssize_t done =
            ::write(file, bytes.constData() + written, static_cast<size_t>(bytes.size() - written));
        if (done > 0) {
            written += done;
        } else if (done == 0) {
            error = EIO;
        } else if (errno != EINTR) {
            error = errno;
        }
    }
    if (error == 0 && ::fsync(file) != 0) {
        error = errno;
    }
    if (file >= 0 && ::close(file) != 0 && error == 0) {
        error = errno;
    }
    if (error != 0) {
        throw CardBitmapError(Where(fileName), QString::fromLocal8Bit(std::strerror(error)), error);
    }
}

void WriteCardBitmap(const QImage& picture, const QString& fileName) {
    if (picture.width() != kCardSize || picture.height() != kCardSize) {
        throw CardBitmapError(Where(fileName), QStringLiteral("the picture is not card-sized"));
    }
    const QByteArray bytes = EncodeBitmap(picture);
    const QString problem = CardBitmapProblem(bytes);
    if (bytes.isEmpty() || !problem.isEmpty()) {
        throw CardBitmapError(Where(fileName), QStringLiteral("cannot encode it: ") + problem);
    }
    WriteFileDurably(fileName, bytes);
}

}  // namespace tavro::cardsets
