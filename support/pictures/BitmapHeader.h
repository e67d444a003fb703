// SPDX-License-Identifier: GPL-3.0-or-later
// The headers of a Windows bitmap file: the 14-byte file header ("BM", file size, pixel data
// offset), then an info header whose first four bytes give its own size. Qt's reader accepts a
// cut-off file and fills the missing rows with whatever memory held, so files are checked here,
// against their real length, before they are decoded.
#pragma once

#include <QByteArray>
#include <QString>
#include <QtGlobal>

namespace tavro {

// Windows bitmap layout: a 14-byte file header ("BM", file size, pixel data offset), an info
// header whose first four bytes give its own size, an optional colour table or colour masks,
// then the pixel rows, each padded to a multiple of 4 bytes.
constexpr qint64 kFileHeaderSize = 14;
constexpr quint32 kCoreHeaderSize = 12;  // BITMAPCOREHEADER (OS/2 and Windows 2)
constexpr quint32 kInfoHeaderSize = 40;  // BITMAPINFOHEADER; later versions only grow it
constexpr quint32 kOs2HeaderSize = 64;   // OS/2 2.x, where compression 3 means Huffman coding

// Compression values of the info header.
constexpr quint32 kBiRgb = 0;
constexpr quint32 kBiRle8 = 1;
constexpr quint32 kBiRle4 = 2;
constexpr quint32 kBiBitfields = 3;

// The most pixels a picture may have: its decoded 32-bit image then stays within the 128 MB that
// Qt's image readers allocate at most.
constexpr qint64 kMaxBitmapPixels = qint64{32} * 1024 * 1024;

struct BitmapHeader {
    qint64 declaredFileSize = 0;
    qint64 pixelOffset = 0;
    quint32 infoSize = 0;
    qint64 width = 0;
    qint64 height = 0;  // negative for rows stored top-down
    quint16 planes = 0;
    quint16 bitCount = 0;
    quint32 compression = kBiRgb;
    qint64 imageSize = 0;
    qint64 coloursUsed = 0;
};

// Checks that `bytes` is a complete Windows bitmap of a kind the reader handles. Returns the
// reason when it is not, an empty text when it is.
QString CheckBitmapHeader(const QByteArray& bytes);
// The same checks but the walk over run-length compressed data, for a file of `length` bytes of
// which `head` holds the first ones: at least kBitmapHeadBytes of them, or the whole file.
QString CheckBitmapLayout(const QByteArray& head, qint64 length);
// Enough of a file's first bytes for CheckBitmapLayout: all headers, colour masks and the
// largest colour table.
constexpr qint64 kBitmapHeadBytes = 2048;
// The headers of a file that passed CheckBitmapHeader (or at least holds its whole info header).
BitmapHeader ParseBitmapHeader(const QByteArray& bytes);
// Where the pixel data of a file that passed CheckBitmapHeader starts: the stated offset, but
// never inside the headers or the colour table, because the reader does not go back to read them.
qint64 PixelDataStart(const BitmapHeader& header);
// Where the headers, colour masks and colour table of such a file end.
qint64 HeadersAndTableEnd(const BitmapHeader& header);
// The reason given for a file whose pixel data ends early.
QString CutOffText();

}  // namespace tavro
