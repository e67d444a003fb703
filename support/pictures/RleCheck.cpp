// SPDX-License-Identifier: GPL-3.0-or-later
// The walk over a run-length compressed bitmap stream; see RleCheck.h. The stream is a series of
// byte pairs: (n, c) with n > 0 is a run of n pixels; (0, 0) ends a row, (0, 1) ends the
// picture, (0, 2) is followed by a jump of dx, dy pixels, and (0, n) with n >= 3 by n literal
// pixels, padded to an even number of bytes.
#include "pictures/RleCheck.h"

#include <QCoreApplication>

namespace tavro {
namespace {

QString OutsideText() {
    return QCoreApplication::translate("BitmapHeader",
                                       "the bitmap's compressed data reaches outside the picture");
}

}  // namespace

// The walk may move to the column just past the right edge or to the row just past the top one
// (encoders end a picture whose last rows are blank with a jump there), but not beyond; only a
// pixel drawn there lies outside the picture.
QString CheckRleStream(const QByteArray& bytes, const BitmapHeader& header, qint64 start,
                       const RleSpan& drawn) {
    const bool fourBits = header.compression == kBiRle4;
    const qint64 width = header.width;
    const qint64 height = header.height;
    const qint64 end = bytes.size();
    const auto byteAt = [&](qint64 at) { return static_cast<quint8>(bytes[at]); };

    qint64 at = start;
    qint64 x = 0;
    qint64 y = 0;  // rows counted from the bottom, as they are stored
    while (true) {
        if (at + 2 > end) {
            return CutOffText();
        }
        const qint64 first = byteAt(at);
        const qint64 second = byteAt(at + 1);
        at += 2;
        if (first > 0) {  // a run of `first` pixels
            if (y >= height || x + first > width) {
                return OutsideText();
            }
            if (drawn) {
                drawn(x, y, first);
            }
            x += first;
            continue;
        }
        switch (second) {
            case 0:  // end of the row; from the row past the top one it would lead beyond
                if (y >= height) {
                    return OutsideText();
                }
                x = 0;
                ++y;
                break;
            case 1:  // end of the picture
                return {};
            case 2: {  // a jump right and up
                if (at + 2 > end) {
                    return CutOffText();
                }
                x += byteAt(at);
                y += byteAt(at + 1);
                at += 2;
                if (x > width || y > height) {
                    return OutsideText();
                }
                break;
            }
            default: {  // `second` literal pixels, padded to whole 16-bit words
                if (y >= height || x + second > width) {
                    return OutsideText();
                }
                const qint64 dataBytes = fourBits ? (second + 3) / 4 * 2 : (second + 1) / 2 * 2;
                if (at + dataBytes > end) {
                    return CutOffText();
                }
                if (drawn) {
                    drawn(x, y, second);
                }
                x += second;
                at += dataBytes;
                break;
            }
        }
    }
}

}  // namespace tavro
