// SPDX-License-Identifier: GPL-3.0-or-later
// Drawing a bitmap, or a part of it, with one key colour left out: the pixels of the key colour
// leave the destination unchanged, every other pixel is copied, stretched (nearest neighbour)
// where the destination size differs from the source size. The slider control draws its ruler
// and its thumb with these.
#pragma once

#include <QColor>
#include <QImage>
#include <QPoint>
#include <QRect>

class QPainter;

namespace tavro {

// The key colour a bitmap is drawn with when no colour is given: white for a monochrome bitmap,
// else the colour of its bottom-left pixel. A null bitmap has black.
QRgb DefaultKeyColour(const QImage& bitmap);

// Copies sourceRect of source into destRect of the painter's device, stretched, leaving the
// pixels whose colour is keyColour (compared without alpha) transparent.
void MaskedStretchCopy(QPainter& destination, const QRect& destRect, const QImage& source,
                       const QRect& sourceRect, QRgb keyColour);

// Draws sourceRect of bitmap into destRect, stretched. A destination or source width or height
// below 1 is replaced by the bitmap's own. With transparent false the copy is opaque; otherwise
// the key is keyColour, or DefaultKeyColour(bitmap) when keyColour is invalid (QColor()).
void DrawKeyedStretched(QPainter& destination, const QRect& destRect, const QImage& bitmap,
                        const QRect& sourceRect, bool transparent,
                        const QColor& keyColour = QColor());

// The whole bitmap, unscaled, with its top-left corner at the point.
void DrawKeyed(QPainter& destination, const QPoint& at, const QImage& bitmap, bool transparent,
               const QColor& keyColour = QColor());

// The part of the bitmap, unscaled, with the part's top-left corner at the point.
void DrawKeyedPart(QPainter& destination, const QPoint& at, const QImage& bitmap, const QRect& part,
                   bool transparent, const QColor& keyColour = QColor());

}  // namespace tavro
