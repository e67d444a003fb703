// SPDX-License-Identifier: GPL-3.0-or-later
// Decoding 16- and 32-bit bitmaps with colour masks (BI_BITFIELDS). Qt's reader gets masks wider
// than 8 bits wrong (10-11-10 bits per channel draws all black), so these pictures are decoded
// here, each channel scaled to 8 bits.
#pragma once

#include <QByteArray>
#include <QImage>
#include <QString>

#include "pictures/BitmapHeader.h"

namespace tavro {

struct ColourMasks {
    quint32 red = 0;
    quint32 green = 0;
    quint32 blue = 0;
    quint32 alpha = 0;  // 0: no alpha channel
};

// The masks of a BI_BITFIELDS bitmap whose length has been checked: after a 40-byte info header,
// or inside the longer ones.
ColourMasks ReadColourMasks(const QByteArray& bytes, const BitmapHeader& header);
// Returns the reason when the masks can't describe a picture of the given depth (a mask with
// gaps, a mask wider than a pixel, no colour at all), an empty text when they can.
QString CheckColourMasks(const ColourMasks& masks, quint16 bitCount);
// Decodes a BI_BITFIELDS bitmap that passed CheckBitmapHeader. Returns a null image when the
// memory for it can't be had.
QImage DecodeBitfields(const QByteArray& bytes, const BitmapHeader& header);

}  // namespace tavro
