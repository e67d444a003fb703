// SPDX-License-Identifier: GPL-3.0-or-later
// Reading a picture file into the maker's reduced copy, with its square and fingerprint.
#include "cardmaker/MakerPicture.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QImageReader>
#include <QImageWriter>
#include <QPainter>

#include "cardart/CardDrawing.h"
#include "files/SafeFile.h"

namespace tavro::cardmaker {
namespace {

struct PictureText {
    Q_DECLARE_TR_FUNCTIONS(CardMaker)
};

// The kept copy's JPEG quality: no visible loss on a card, a few hundred KB a photo.
constexpr int kKeptQuality = 90;

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

QByteArray EncodeKeptFile(const QImage& image) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, "jpeg");
    writer.setQuality(kKeptQuality);
    writer.setOptimizedWrite(true);
    return writer.write(image) ? bytes : QByteArray();
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
        result.problem =
            PictureText::tr("the file is too large for a picture (%1 MB, at most %2 MB)")
                .arg(device.size() / 1000000)
                .arg(kMaxPictureFileSize / 1000000);
        return result;
    }
    const DecodedPicture decoded = DecodePicture(device);
    if (!decoded.problem.isEmpty()) {
        result.problem = decoded.problem;
        return result;
    }
    Picture& picture = result.picture;
    picture.file = file;
    picture.canonicalFile = QFileInfo(file).canonicalFilePath();
    picture.name = QFileInfo(file).completeBaseName();
    picture.sourceSize = decoded.sourceSize;
    picture.image = Opaque(decoded.image);
    picture.size = picture.image.size();
    picture.keptFile = EncodeKeptFile(picture.image);
    if (picture.keptFile.isEmpty()) {
        result.problem = PictureText::tr("the picture cannot be kept as a JPEG file");
        return result;
    }
    SetCrop(picture, DefaultCrop(picture.size));
    return result;
}

QImage KeptImage(const Picture& picture) {
    if (!picture.image.isNull()) {
        return picture.image;
    }
    QByteArray bytes = picture.keptFile;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer, "jpeg");
    return reader.read().convertToFormat(QImage::Format_RGB32);
}

void DropImage(Picture& picture) {
    if (!picture.keptFile.isEmpty()) {
        picture.image = QImage();
    }
}

void SetCrop(Picture& picture, const Crop& crop) {
    picture.crop = ClampCrop(picture.size, crop);
    const QImage kept = KeptImage(picture);
    const QRect square = CropSquare(picture.size, picture.crop);
    const int side = cardsets::kCardSize;
    picture.cardSquare =
        kept.copy(square).scaled(side, side, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    picture.fingerprint = MakeFingerprint(kept, square);
}

}  // namespace tavro::cardmaker
