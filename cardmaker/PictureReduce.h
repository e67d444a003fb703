// SPDX-License-Identifier: GPL-3.0-or-later
// Reducing a picture that was read at its full size to a smaller size, each new pixel the mean
// of the pixels it covers (fractions of pixels included), a few rows at a time: a picture in a
// format of one or two bytes a pixel (palette, grey) never needs a whole copy of four bytes a
// pixel, as Qt's own smooth scaling would make.
#pragma once

#include <QImage>
#include <QSize>

namespace tavro::cardmaker {

// The picture reduced to the size (no larger than it), with its alpha premultiplied; the
// picture itself where the size is its own.
QImage ReducePicture(const QImage& picture, const QSize& size);

}  // namespace tavro::cardmaker
