// SPDX-License-Identifier: GPL-3.0-or-later
// Bitmap decoding and the steps that make the result safe and small; see BitmapDecode.h.
#include "pictures/BitmapDecode.h"

#include <QCoreApplication>
#include <QList>
#include <cmath>

#include "pictures/BitfieldDecode.h"
#include "pictures/BitmapHeader.h"

namespace tavro {

QImage DecodeBitmap(const QByteArray& bytes, QString& problem) {
    // Qt's reader accepts a cut-off file and fills the missing rows with whatever memory held,
    // so the header is checked against the file's real length before decoding.
    problem = CheckBitmapHeader(bytes);
    if (!problem.isEmpty()) {
        return {};
    }
    QImage image;
    const BitmapHeader header = ParseBitmapHeader(bytes);
    if (header.compression == kBiBitfields) {
        image = DecodeBitfields(bytes, header);
    } else if (!image.loadFromData(bytes, "BMP")) {
        image = QImage();
    }
    if (image.isNull()) {
        problem = QCoreApplication::translate("CardSet", "the bitmap cannot be decoded");
        return {};
    }
    image = MakeDrawable(image);
    if (image.isNull()) {
        problem = QCoreApplication::translate("CardSet", "the bitmap cannot be decoded");
    }
    return image;
}

QImage MakeDrawable(const QImage& image) {
    const int depth = image.depth();
    if (image.format() != QImage::Format_Indexed8 && image.format() != QImage::Format_Mono &&
        image.format() != QImage::Format_MonoLSB) {
        return image;
    }
    QImage whole = image;
    QList<QRgb> table = whole.colorTable();
    table.resize(qsizetype{1} << depth, qRgb(0, 0, 0));
    whole.setColorTable(table);
    return whole.convertToFormat(whole.hasAlphaChannel() ? QImage::Format_ARGB32
                                                         : QImage::Format_RGB32);
}

QImage ScaleToShownSize(const QImage& image, const QSize& shownPixels) {
    if (shownPixels.isEmpty() || image.isNull()) {
        return image;
    }
    const QSize target = image.size().boundedTo(shownPixels);
    if (target == image.size()) {
        return image;
    }
    return image.scaled(target, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
}

QSize ShownPixelSize(const QSize& logicalSize, qreal devicePixelRatio) {
    return QSize(static_cast<int>(std::ceil(logicalSize.width() * devicePixelRatio)),
                 static_cast<int>(std::ceil(logicalSize.height() * devicePixelRatio)));
}

}  // namespace tavro
