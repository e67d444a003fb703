// SPDX-License-Identifier: GPL-3.0-or-later
// Checking a run-length compressed (RLE4 or RLE8) bitmap's data stream before it is decoded.
// The reader stops without a word where the data ends early and shows the rest of the picture
// as blank, so a cut-off file would look like a complete one; and a run or a jump that leaves the
// picture would be drawn over other rows or clipped.
#pragma once

#include <QByteArray>
#include <QString>

#include "pictures/BitmapHeader.h"

namespace tavro {

// Walks the stream that starts at `start` in `bytes`: every run, jump and literal block (with
// its padding) must lie inside the file and inside the picture, and the stream must end with
// its end-of-bitmap marker. Returns the reason when it does not, an empty text when it does.
// `header` is a bottom-up RLE4 or RLE8 header of a known, not too large, size.
QString CheckRleStream(const QByteArray& bytes, const BitmapHeader& header, qint64 start);

}  // namespace tavro
