// SPDX-License-Identifier: GPL-3.0-or-later
// Checking a run-length compressed (RLE4 or RLE8) bitmap's data stream before it is decoded.
// The reader stops without a word where the data ends early and shows the rest of the picture
// as blank, so a cut-off file would look like a complete one; and a run or a jump that leaves the
// picture would be drawn over other rows or clipped.
#pragma once

#include <QByteArray>
#include <QString>
#include <functional>

#include "pictures/BitmapHeader.h"

namespace tavro {

// Walks the stream that starts at `start` in `bytes`: every run, jump and literal block (with
// its padding) must lie inside the file, every pixel drawn inside the picture (a jump or an end
// of row may reach the column or the row just past it), and the stream must end with its
// end-of-bitmap marker. Returns the reason when it does not, an empty text when it does.
// `header` is a bottom-up RLE4 or RLE8 header of a known, not too large, size.
// `drawn`, when given, hears of every run and literal block on the way: `count` pixels from
// column x of row y, rows counted from the bottom as they are stored.
using RleSpan = std::function<void(qint64 x, qint64 y, qint64 count)>;
QString CheckRleStream(const QByteArray& bytes, const BitmapHeader& header, qint64 start,
                       const RleSpan& drawn = {});

}  // namespace tavro
