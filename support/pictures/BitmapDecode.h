// SPDX-License-Identifier: GPL-3.0-or-later
// The way from a bitmap file's bytes to a picture that is safe to draw: the header check, the
// decoding, colour tables made whole, and the picture scaled down to the size it is shown at.
#pragma once

#include <QByteArray>
#include <QImage>
#include <QSize>
#include <QString>

namespace tavro {

// Decodes a Windows bitmap that passes CheckBitmapHeader into a drawable picture. Returns a null
// image with the reason in `problem` when it can't.
QImage DecodeBitmap(const QByteArray& bytes, QString& problem);
// A picture that can be drawn without reading past its colour table: a palette picture whose
// pixels use entries the table lacks (the file's table may be shorter than its pixels need) gets
// its table filled up with black and is turned into a 32-bit picture. Others are returned as
// they are.
QImage MakeDrawable(const QImage& image);
// The picture scaled down, smoothly, to at most `shownPixels` in each direction: nothing is kept
// in memory that the screen can't show. Smaller pictures, and any with an empty `shownPixels`,
// are returned as they are.
QImage ScaleToShownSize(const QImage& image, const QSize& shownPixels);
// The size in device pixels of an area of `logicalSize` at the given device pixel ratio.
QSize ShownPixelSize(const QSize& logicalSize, qreal devicePixelRatio);

}  // namespace tavro
