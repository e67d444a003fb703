// SPDX-License-Identifier: GPL-3.0-or-later
// Writing card pictures as 24-bit Windows bitmaps and checking them with the game's header check.
#include "cardart/CardBitmap.h"

#include <unistd.h>

#include <QBuffer>
#include <QDir>
#include <QFile>

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

// Writes all bytes and flushes them to the disk, so that a later rename never makes a cut-off
// file visible after a crash. A full disk or a file size limit ends in an error, not a short file.
void WriteFileDurably(const QString& fileName, const QByteArray& bytes) {
    QFile file(fileName);
    const bool written = file.open(QIODevice::WriteOnly | QIODevice::Truncate) &&
                         file.write(bytes) == bytes.size() && file.flush() &&
                         ::fsync(file.handle()) == 0;
    if (!written) {
        const QString reason = file.errorString();
        file.close();
        throw CardBitmapError(Where(fileName), reason);
    }
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
