// SPDX-License-Identifier: GPL-3.0-or-later
// Colour-mask bitmaps; see BitfieldDecode.h. A mask is one run of set bits; the channel's value
// is scaled from the run's width to 0..255 with rounding, so 5, 6, 8, 10 or 11 bits all give the
// full range.
#include "pictures/BitfieldDecode.h"

#include <QCoreApplication>
#include <QtEndian>
#include <bit>

namespace tavro {
namespace {

constexpr qint64 kMasksAt = kFileHeaderSize + kInfoHeaderSize;  // right after BITMAPINFOHEADER

quint32 MaskAt(const QByteArray& bytes, qint64 at) {
    return qFromLittleEndian<quint32>(bytes.constData() + at);
}

bool IsOneRun(quint32 mask) {
    if (mask == 0) {
        return true;
    }
    const quint32 shifted = mask >> std::countr_zero(mask);
    return (shifted & (shifted + 1)) == 0;
}

// One channel: where its bits are and how to scale them to 0..255.
struct Channel {
    quint32 mask = 0;
    int shift = 0;
    quint64 maximum = 0;  // the channel's largest value; 0 for an absent channel

    explicit Channel(quint32 channelMask) : mask(channelMask) {
        if (mask != 0) {
            shift = std::countr_zero(mask);
            maximum = mask >> shift;
        }
    }

    int Value(quint32 pixel, int absent) const {
        if (maximum == 0) {
            return absent;
        }
        const quint64 raw = (pixel & mask) >> shift;
        return static_cast<int>((raw * 255 + maximum / 2) / maximum);
    }
};

}  // namespace

ColourMasks ReadColourMasks(const QByteArray& bytes, const BitmapHeader& header) {
    ColourMasks masks;
    masks.red = MaskAt(bytes, kMasksAt);
    masks.green = MaskAt(bytes, kMasksAt + 4);
    masks.blue = MaskAt(bytes, kMasksAt + 8);
    // 56-byte headers and the V4 and V5 headers add an alpha mask; the 52-byte one does not.
    if (header.infoSize >= 56 && header.infoSize != kOs2HeaderSize) {
        masks.alpha = MaskAt(bytes, kMasksAt + 12);
    }
    return masks;
}

QString CheckColourMasks(const ColourMasks& masks, quint16 bitCount) {
    const quint32 all = masks.red | masks.green | masks.blue | masks.alpha;
    if ((masks.red | masks.green | masks.blue) == 0) {
        return QCoreApplication::translate("BitmapHeader",
                                           "the bitmap's colour masks hold no colour");
    }
    if (bitCount < 32 && (all >> bitCount) != 0) {
        return QCoreApplication::translate("BitmapHeader",
                                           "the bitmap's colour masks are wider than its pixels");
    }
    for (const quint32 mask : {masks.red, masks.green, masks.blue, masks.alpha}) {
        if (!IsOneRun(mask)) {
            return QCoreApplication::translate(
                "BitmapHeader", "the bitmap's colour masks with gaps are not supported");
        }
    }
    return {};
}

QImage DecodeBitfields(const QByteArray& bytes, const BitmapHeader& header) {
    const ColourMasks masks = ReadColourMasks(bytes, header);
    const Channel red(masks.red);
    const Channel green(masks.green);
    const Channel blue(masks.blue);
    const Channel alpha(masks.alpha);
    const int width = static_cast<int>(header.width);
    const int rows = static_cast<int>(header.height < 0 ? -header.height : header.height);
    QImage image(width, rows, masks.alpha != 0 ? QImage::Format_ARGB32 : QImage::Format_RGB32);
    if (image.isNull()) {
        return image;
    }
    const qint64 stride = (header.width * header.bitCount + 31) / 32 * 4;
    const qint64 start = PixelDataStart(header);
    const bool wide = header.bitCount == 32;
    for (int fileRow = 0; fileRow < rows; ++fileRow) {
        const int y = header.height < 0 ? fileRow : rows - 1 - fileRow;
        const char* in = bytes.constData() + start + fileRow * stride;
        auto* out = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < width; ++x) {
            const quint32 pixel = wide ? qFromLittleEndian<quint32>(in + 4 * x)
                                       : qFromLittleEndian<quint16>(in + 2 * x);
            out[x] = qRgba(red.Value(pixel, 0), green.Value(pixel, 0), blue.Value(pixel, 0),
                           alpha.Value(pixel, 255));
        }
    }
    return image;
}

}  // namespace tavro
