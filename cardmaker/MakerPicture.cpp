// SPDX-License-Identifier: GPL-3.0-or-later
// Reading a picture file at a reduced size, upright, with a hash of its pixels.
#include "cardmaker/MakerPicture.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QFile>
#include <QFileInfo>
#include <QImageReader>
#include <QPainter>
#include <cmath>

#include "files/SafeFile.h"

namespace tavro::cardmaker {
namespace {

struct PictureText {
    Q_DECLARE_TR_FUNCTIONS(CardMaker)
};

QByteArray PixelHash(const QImage& image) {
    const QImage pixels = image.convertToFormat(QImage::Format_RGB32);
    QCryptographicHash hash(QCryptographicHash::Sha256);
    const int size[2] = {pixels.width(), pixels.height()};
    hash.addData(QByteArrayView(reinterpret_cast<const char*>(size), sizeof size));
    for (int y = 0; y < pixels.height(); ++y) {
        hash.addData(QByteArrayView(reinterpret_cast<const char*>(pixels.constScanLine(y)),
                                    qsizetype{pixels.width()} * 4));
    }
    return hash.result();
}

// Transparent parts show white, as on a sheet of paper, instead of whatever colour they hold.
QImage Opaque(const QImage& image) {
    if (!image.hasAlphaChannel()) {
        return image.convertToFormat(QImage::Format_RGB32);
    }
    QImage canvas(image.size(), QImage::Format_RGB32);
    canvas.fill(Qt::white);
    QPainter painter(&canvas);
    painter.drawImage(0, 0, image);
    painter.end();
    return canvas;
}

QString OpenProblem(const QString& file, const QString& error) {
    switch (KindOfFile(file)) {
        case FileKind::Missing:
            return PictureText::tr("the file does not exist");
        case FileKind::Other:
            return PictureText::tr("it is not a file");
        case FileKind::Regular:
            break;
    }
    return error;
}

}  // namespace

QSize WorkingSize(const QSize& stored) {
    const int shorter = std::min(stored.width(), stored.height());
    if (shorter <= kWorkingSide) {
        return stored;
    }
    const double factor = double{kWorkingSide} / shorter;
    return QSize(std::max(1, static_cast<int>(std::lround(stored.width() * factor))),
                 std::max(1, static_cast<int>(std::lround(stored.height() * factor))));
}

PictureRead ReadPicture(const QString& file) {
    PictureRead result;
    QFile device;
    QString error;
    if (!OpenRegularFile(device, file, QIODevice::ReadOnly, error)) {
        result.problem = OpenProblem(file, error);
        return result;
    }
    if (device.size() > kMaxPictureFileSize) {
        result.problem = PictureText::tr("the file is too large for a picture");
        return result;
    }
    QImageReader reader(&device);
    reader.setAutoTransform(true);
    if (!reader.canRead()) {
        result.problem = PictureText::tr("it is not a picture in a format this program can read");
        return result;
    }
    // Reduced while decoding where the format allows it (JPEG decodes at an eighth, a quarter or
    // half the size), so a camera photo never needs its full size in memory.
    const QSize stored = reader.size();
    if (stored.isValid()) {
        reader.setScaledSize(WorkingSize(stored));
    }
    QImage image = reader.read();
    if (image.isNull()) {
        result.problem =
            PictureText::tr("the picture cannot be read (%1)").arg(reader.errorString());
        return result;
    }
    if (!stored.isValid() && WorkingSize(image.size()) != image.size()) {
        image = image.scaled(WorkingSize(image.size()), Qt::IgnoreAspectRatio,
                             Qt::SmoothTransformation);
    }
    Picture& picture = result.picture;
    picture.file = file;
    picture.canonicalFile = QFileInfo(file).canonicalFilePath();
    picture.name = QFileInfo(file).completeBaseName();
    picture.image = Opaque(image);
    picture.pixelHash = PixelHash(picture.image);
    return result;
}

}  // namespace tavro::cardmaker
