// SPDX-License-Identifier: GPL-3.0-or-later
// Keyed (transparent-colour) bitmap drawing on a QPainter.
//
// How: the source rectangle is copied into a 32-bit image whose key-coloured pixels get alpha 0
// and all others alpha 255, and that image is drawn with source-over composition and without
// smooth scaling. Source-over with only fully transparent or fully opaque pixels is exactly
// "keep the destination" or "copy", and Qt's unsmoothed scaling is nearest neighbour (dropping
// pixels). This needs one pass and no 1-bit masks; the AND/OR raster-operation route would take
// three passes and raster operations work only on raster paint devices.
#include "controls/TransparentDraw.h"

#include <QPainter>

namespace tavro {

namespace {

constexpr QRgb kRgbMask = 0x00FFFFFF;
constexpr QRgb kOpaque = 0xFF000000;

bool IsMonochrome(const QImage& bitmap) {
    return bitmap.format() == QImage::Format_Mono || bitmap.format() == QImage::Format_MonoLSB;
}

// The part of the bitmap as an opaque copy with the key colour made fully transparent.
QImage KeyedCopy(const QImage& bitmap, const QRect& sourceRect, QRgb keyColour) {
    QImage part = bitmap.copy(sourceRect).convertToFormat(QImage::Format_ARGB32);
    const QRgb key = keyColour & kRgbMask;
    const int width = part.width();
    for (int y = 0; y < part.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(part.scanLine(y));
        for (int x = 0; x < width; ++x) {
            const QRgb rgb = line[x] & kRgbMask;
            line[x] = rgb == key ? 0 : (rgb | kOpaque);
        }
    }
    return part;
}

// Draws an image into destRect with plain nearest-neighbour scaling and source-over blending,
// whatever state the caller left the painter in.
void DrawUnsmoothed(QPainter& destination, const QRect& destRect, const QImage& image) {
    destination.save();
    destination.setRenderHint(QPainter::SmoothPixmapTransform, false);
    destination.setCompositionMode(QPainter::CompositionMode_SourceOver);
    destination.setOpacity(1.0);
    destination.drawImage(destRect, image, image.rect());
    destination.restore();
}

}  // namespace

QRgb DefaultKeyColour(const QImage& bitmap) {
    if (IsMonochrome(bitmap)) {
        return qRgb(255, 255, 255);
    }
    if (bitmap.isNull()) {
        return qRgb(0, 0, 0);
    }
    return bitmap.pixel(0, bitmap.height() - 1);
}

void MaskedStretchCopy(QPainter& destination, const QRect& destRect, const QImage& source,
                       const QRect& sourceRect, QRgb keyColour) {
    if (destRect.isEmpty() || sourceRect.isEmpty() || source.isNull()) {
        return;
    }
    DrawUnsmoothed(destination, destRect, KeyedCopy(source, sourceRect, keyColour));
}

void DrawKeyedStretched(QPainter& destination, const QRect& destRect, const QImage& bitmap,
                        const QRect& sourceRect, bool transparent, const QColor& keyColour) {
    if (bitmap.isNull()) {
        return;
    }
    QRect target = destRect;
    QRect source = sourceRect;
    if (target.width() < 1) {
        target.setWidth(bitmap.width());
    }
    if (target.height() < 1) {
        target.setHeight(bitmap.height());
    }
    if (source.width() < 1) {
        source.setWidth(bitmap.width());
    }
    if (source.height() < 1) {
        source.setHeight(bitmap.height());
    }
    if (!transparent) {
        DrawUnsmoothed(destination, target,
                       bitmap.copy(source).convertToFormat(QImage::Format_RGB32));
        return;
    }
    const QRgb key = keyColour.isValid() ? keyColour.rgb() : DefaultKeyColour(bitmap);
    MaskedStretchCopy(destination, target, bitmap, source, key);
}

void DrawKeyed(QPainter& destination, const QPoint& at, const QImage& bitmap, bool transparent,
               const QColor& keyColour) {
    DrawKeyedStretched(destination, QRect(at, bitmap.size()), bitmap, bitmap.rect(), transparent,
                       keyColour);
}

void DrawKeyedPart(QPainter& destination, const QPoint& at, const QImage& bitmap, const QRect& part,
                   bool transparent, const QColor& keyColour) {
    DrawKeyedStretched(destination, QRect(at, part.size()), bitmap, part, transparent, keyColour);
}

}  // namespace tavro
