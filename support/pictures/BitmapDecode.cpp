// SPDX-License-Identifier: GPL-3.0-or-later
// Bitmap decoding and the steps that make the result safe and small; see BitmapDecode.h.
#include "pictures/BitmapDecode.h"

#include <QCoreApplication>
#include <QList>
#include <algorithm>
#include <cmath>
#include <vector>

#include "pictures/BitfieldDecode.h"
#include "pictures/BitmapHeader.h"
#include "pictures/RleCheck.h"

namespace tavro {
namespace {

// Qt's reader leaves the pixels a run-length stream passes over (by a jump, or by ending a row or
// the picture early) as whatever memory held. They take palette index 0, as in a bitmap cleared
// before the stream is drawn into it. `image` is the reader's 8-bit palette picture.
QImage ClearSkippedPixels(const QByteArray& bytes, const BitmapHeader& header, QImage image) {
    const int width = image.width();
    const int height = image.height();
    if (image.format() != QImage::Format_Indexed8 || width != header.width ||
        height != header.height) {
        return {};
    }
    std::vector<bool> drawn(static_cast<std::size_t>(width) * static_cast<std::size_t>(height));
    const QString problem = CheckRleStream(
        bytes, header, PixelDataStart(header), [&](qint64 x, qint64 y, qint64 count) {
            const auto row = static_cast<std::size_t>(height - 1 - y) * width;
            std::fill_n(drawn.begin() + static_cast<std::ptrdiff_t>(row + x), count, true);
        });
    if (!problem.isEmpty()) {
        return {};
    }
    for (int y = 0; y < height; ++y) {
        uchar* line = image.scanLine(y);
        for (int x = 0; x < width; ++x) {
            if (!drawn[static_cast<std::size_t>(y) * width + x]) {
                line[x] = 0;
            }
        }
    }
    return image;
}

}  // namespace

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
    } else if (header.compression == kBiRle4 || header.compression == kBiRle8) {
        image = ClearSkippedPixels(bytes, header, image);
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
