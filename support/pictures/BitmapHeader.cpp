// SPDX-License-Identifier: GPL-3.0-or-later
// Reading and checking the headers of a Windows bitmap file against the file's real length.
#include "pictures/BitmapHeader.h"

#include <QCoreApplication>
#include <QtEndian>
#include <algorithm>

#include "pictures/BitfieldDecode.h"
#include "pictures/RleCheck.h"

namespace tavro {

QString CutOffText() {
    return QCoreApplication::translate("BitmapHeader", "the bitmap's pixel data is cut off");
}

namespace {

// The translation context of the reasons a bitmap is refused.
struct BitmapText {
    Q_DECLARE_TR_FUNCTIONS(BitmapHeader)
};

quint16 ReadU16(const QByteArray& bytes, qint64 at) {
    return qFromLittleEndian<quint16>(bytes.constData() + at);
}
quint32 ReadU32(const QByteArray& bytes, qint64 at) {
    return qFromLittleEndian<quint32>(bytes.constData() + at);
}
qint32 ReadI32(const QByteArray& bytes, qint64 at) {
    return qFromLittleEndian<qint32>(bytes.constData() + at);
}

bool IsKnownInfoHeaderSize(quint32 size) {
    // Core, INFO, the two Adobe variants with masks, OS/2 2.x, V4 and V5.
    for (const quint32 known : {12u, 40u, 52u, 56u, 64u, 108u, 124u}) {
        if (size == known) {
            return true;
        }
    }
    return false;
}

}  // namespace

BitmapHeader ParseBitmapHeader(const QByteArray& bytes) {
    BitmapHeader header;
    header.declaredFileSize = ReadU32(bytes, 2);
    header.pixelOffset = ReadU32(bytes, 10);
    header.infoSize = ReadU32(bytes, kFileHeaderSize);
    const qint64 info = kFileHeaderSize;
    if (header.infoSize == kCoreHeaderSize) {
        header.width = ReadU16(bytes, info + 4);
        header.height = ReadU16(bytes, info + 6);
        header.planes = ReadU16(bytes, info + 8);
        header.bitCount = ReadU16(bytes, info + 10);
        return header;
    }
    header.width = ReadI32(bytes, info + 4);
    header.height = ReadI32(bytes, info + 8);
    header.planes = ReadU16(bytes, info + 12);
    header.bitCount = ReadU16(bytes, info + 14);
    header.compression = ReadU32(bytes, info + 16);
    header.imageSize = ReadU32(bytes, info + 20);
    header.coloursUsed = ReadU32(bytes, info + 32);
    return header;
}

namespace {

QString CheckFormat(const BitmapHeader& header) {
    if (header.width <= 0 || header.height == 0) {
        return BitmapText::tr("the bitmap's size is impossible");
    }
    // Only the total counts: a picture of 1 x 64000 is as fine as one of 250 x 256.
    const qint64 rows = header.height < 0 ? -header.height : header.height;
    if (header.width > kMaxBitmapPixels / rows) {
        return BitmapText::tr("the bitmap is too large (%1 x %2 pixels)")
            .arg(header.width)
            .arg(rows);
    }
    if (header.planes != 1) {
        return BitmapText::tr("the bitmap header is damaged");
    }
    const quint16 bits = header.bitCount;
    const bool core = header.infoSize == kCoreHeaderSize;
    if (!(bits == 1 || bits == 4 || bits == 8 || bits == 24 ||
          (!core && (bits == 16 || bits == 32)))) {
        return BitmapText::tr("the bitmap's colour depth of %1 bits is not supported").arg(bits);
    }
    const bool compressionFits =
        header.compression == kBiRgb ||
        (header.compression == kBiBitfields && (bits == 16 || bits == 32) &&
         header.infoSize != kOs2HeaderSize) ||
        (header.compression == kBiRle8 && bits == 8 && header.height > 0) ||
        (header.compression == kBiRle4 && bits == 4 && header.height > 0);
    if (!compressionFits) {
        return BitmapText::tr("the bitmap's compression is not supported");
    }
    if (bits <= 8 && header.coloursUsed > (qint64{1} << bits)) {
        return BitmapText::tr("the bitmap's colour table is damaged");
    }
    return {};
}

qint64 PixelDataSize(const BitmapHeader& header) {
    if (header.compression == kBiRle8 || header.compression == kBiRle4) {
        return header.imageSize;
    }
    const qint64 stride = (header.width * header.bitCount + 31) / 32 * 4;
    return stride * (header.height < 0 ? -header.height : header.height);
}

}  // namespace

qint64 HeadersAndTableEnd(const BitmapHeader& header) {
    qint64 end = kFileHeaderSize + header.infoSize;
    if (header.compression == kBiBitfields && header.infoSize == kInfoHeaderSize) {
        end += 3 * 4;  // red, green and blue masks after the header
    }
    if (header.bitCount <= 8) {
        const qint64 entries =
            header.coloursUsed != 0 ? header.coloursUsed : (qint64{1} << header.bitCount);
        end += entries * (header.infoSize == kCoreHeaderSize ? 3 : 4);
    }
    return end;
}

qint64 PixelDataStart(const BitmapHeader& header) {
    return std::max(HeadersAndTableEnd(header), header.pixelOffset);
}

QString CheckBitmapHeader(const QByteArray& bytes) {
    if (QString problem = CheckBitmapLayout(bytes, bytes.size()); !problem.isEmpty()) {
        return problem;
    }
    const BitmapHeader header = ParseBitmapHeader(bytes);
    if (header.compression == kBiRle8 || header.compression == kBiRle4) {
        // The reader stops quietly where compressed data ends early, so the whole stream is
        // walked first.
        return CheckRleStream(bytes, header, PixelDataStart(header));
    }
    return {};
}

QString CheckBitmapLayout(const QByteArray& head, qint64 length) {
    const QByteArray& bytes = head;
    if (length == 0) {
        return BitmapText::tr("the file is empty");
    }
    if (length < 2 || bytes[0] != 'B' || bytes[1] != 'M') {
        return BitmapText::tr("the file is not a Windows bitmap");
    }
    if (length < kFileHeaderSize + 4) {
        return BitmapText::tr("the bitmap header is cut off");
    }
    const quint32 infoSize = ReadU32(bytes, kFileHeaderSize);
    if (!IsKnownInfoHeaderSize(infoSize)) {
        return BitmapText::tr("the bitmap header is of an unknown kind");
    }
    if (length < kFileHeaderSize + infoSize) {
        return BitmapText::tr("the bitmap header is cut off");
    }
    const BitmapHeader header = ParseBitmapHeader(bytes);
    if (header.declaredFileSize > length) {
        return BitmapText::tr("the file is cut off (%1 of %2 bytes)")
            .arg(length)
            .arg(header.declaredFileSize);
    }
    if (QString problem = CheckFormat(header); !problem.isEmpty()) {
        return problem;
    }
    if (header.compression != kBiRgb && header.compression != kBiBitfields &&
        header.imageSize == 0) {
        return BitmapText::tr("the compressed bitmap does not state its data size");
    }
    if (PixelDataStart(header) + PixelDataSize(header) > length) {
        return CutOffText();
    }
    if (header.compression == kBiBitfields) {
        return CheckColourMasks(ReadColourMasks(bytes, header), header.bitCount);
    }
    return {};
}

}  // namespace tavro
