// SPDX-License-Identifier: GPL-3.0-or-later
// Writes Windows bitmap files byte by byte for the loader tests and the picture fuzz target's
// seeds, including the kinds QImage does not write itself (top-down rows, palettes of 1, 4 and 8
// bits, the old core header, run-length compression, colour masks).
#pragma once

#include <QByteArray>
#include <QRgb>
#include <QtEndian>
#include <algorithm>
#include <functional>
#include <vector>

namespace tavro::testing {

struct BmpLayout {
    int width = 1;
    int height = 1;  // negative: rows stored top-down
    int bitCount = 24;
    std::vector<QRgb> palette;  // for 1, 4 and 8 bits
    bool coreHeader = false;    // 12-byte BITMAPCOREHEADER instead of BITMAPINFOHEADER
};

// pixel(x, y), y counted from the top: a palette index for up to 8 bits, else a QRgb.
using PixelSource = std::function<quint32(int x, int y)>;

inline void PutU16(QByteArray& bytes, int at, quint16 value) {
    qToLittleEndian(value, bytes.data() + at);
}
inline void PutU32(QByteArray& bytes, int at, quint32 value) {
    qToLittleEndian(value, bytes.data() + at);
}

inline QByteArray MakeBmp(const BmpLayout& layout, const PixelSource& pixel) {
    const int rows = layout.height < 0 ? -layout.height : layout.height;
    const int stride = (layout.width * layout.bitCount + 31) / 32 * 4;
    const int infoSize = layout.coreHeader ? 12 : 40;
    const int entrySize = layout.coreHeader ? 3 : 4;
    const int paletteSize = static_cast<int>(layout.palette.size()) * entrySize;
    const int offset = 14 + infoSize + paletteSize;
    QByteArray bytes(offset + stride * rows, '\0');

    bytes[0] = 'B';
    bytes[1] = 'M';
    PutU32(bytes, 2, static_cast<quint32>(bytes.size()));
    PutU32(bytes, 10, static_cast<quint32>(offset));
    PutU32(bytes, 14, static_cast<quint32>(infoSize));
    if (layout.coreHeader) {
        PutU16(bytes, 18, static_cast<quint16>(layout.width));
        PutU16(bytes, 20, static_cast<quint16>(layout.height));
        PutU16(bytes, 22, 1);
        PutU16(bytes, 24, static_cast<quint16>(layout.bitCount));
    } else {
        PutU32(bytes, 18, static_cast<quint32>(layout.width));
        PutU32(bytes, 22, static_cast<quint32>(layout.height));
        PutU16(bytes, 26, 1);
        PutU16(bytes, 28, static_cast<quint16>(layout.bitCount));
        PutU32(bytes, 34, static_cast<quint32>(stride * rows));
        PutU32(bytes, 46, static_cast<quint32>(layout.palette.size()));
    }
    for (std::size_t i = 0; i < layout.palette.size(); ++i) {
        char* entry = bytes.data() + 14 + infoSize + i * entrySize;
        entry[0] = static_cast<char>(qBlue(layout.palette[i]));
        entry[1] = static_cast<char>(qGreen(layout.palette[i]));
        entry[2] = static_cast<char>(qRed(layout.palette[i]));
    }
    for (int fileRow = 0; fileRow < rows; ++fileRow) {
        const int y = layout.height < 0 ? fileRow : rows - 1 - fileRow;
        auto* row = reinterpret_cast<uchar*>(bytes.data() + offset + fileRow * stride);
        for (int x = 0; x < layout.width; ++x) {
            const quint32 value = pixel(x, y);
            if (layout.bitCount <= 8) {
                const int bit = x * layout.bitCount;
                const int shift = 8 - layout.bitCount - bit % 8;
                row[bit / 8] |= static_cast<uchar>(value << shift);
            } else {
                const int bytesPerPixel = layout.bitCount / 8;
                row[x * bytesPerPixel] = static_cast<uchar>(qBlue(value));
                row[x * bytesPerPixel + 1] = static_cast<uchar>(qGreen(value));
                row[x * bytesPerPixel + 2] = static_cast<uchar>(qRed(value));
            }
        }
    }
    return bytes;
}

// A palette bitmap of 4 or 8 bits whose pixel data is the given run-length stream (RLE4 or
// RLE8 by the depth); the stated data size is the stream's length.
inline QByteArray MakeRleBmp(int width, int height, int bitCount, const std::vector<QRgb>& palette,
                             const QByteArray& stream) {
    QByteArray bytes = MakeBmp({width, height, bitCount, palette}, [](int, int) { return 0u; });
    bytes.truncate(14 + 40 + static_cast<int>(palette.size()) * 4);
    bytes += stream;
    PutU32(bytes, 2, static_cast<quint32>(bytes.size()));
    PutU32(bytes, 30, bitCount == 8 ? 1 : 2);  // BI_RLE8, BI_RLE4
    PutU32(bytes, 34, static_cast<quint32>(stream.size()));
    return bytes;
}

// Run-length encodes rows of palette indices (rows[y][x], y counted from the top): runs for
// repeated pixels, literal blocks for the rest, end of row after every row, end of bitmap.
inline QByteArray RleEncode(const std::vector<std::vector<int>>& rows, int bitCount) {
    QByteArray stream;
    const auto put = [&](int value) { stream.append(static_cast<char>(value)); };
    for (auto row = rows.rbegin(); row != rows.rend(); ++row) {
        const std::vector<int>& pixels = *row;
        std::size_t x = 0;
        while (x < pixels.size()) {
            std::size_t same = 1;
            while (x + same < pixels.size() && same < 255 && pixels[x + same] == pixels[x]) {
                ++same;
            }
            const std::size_t rest = std::min<std::size_t>(pixels.size() - x, 255);
            if (same >= 2 || rest < 3) {
                const std::size_t count = same >= 2 ? same : 1;
                put(static_cast<int>(count));
                put(bitCount == 8 ? pixels[x] : (pixels[x] << 4 | pixels[x]));
                x += count;
                continue;
            }
            put(0);
            put(static_cast<int>(rest));
            for (std::size_t i = 0; i < rest; i += bitCount == 8 ? 1 : 2) {
                if (bitCount == 8) {
                    put(pixels[x + i]);
                } else {
                    const int low = i + 1 < rest ? pixels[x + i + 1] : 0;
                    put(pixels[x + i] << 4 | low);
                }
            }
            while (stream.size() % 2 != 0) {
                put(0);  // literal blocks end on a 16-bit boundary
            }
            x += rest;
        }
        put(0);
        put(0);
    }
    put(0);
    put(1);
    return stream;
}

struct Masks {
    quint32 red = 0;
    quint32 green = 0;
    quint32 blue = 0;
    quint32 alpha = 0;
};

// A BI_BITFIELDS bitmap of 16 or 32 bits. With a 40-byte info header the three colour masks
// follow it; with infoSize 108 (V4) all four are inside it. raw(x, y) gives each pixel's bits.
inline QByteArray MakeBitfieldsBmp(int width, int height, int bitCount, const Masks& masks,
                                   const PixelSource& raw, int infoSize = 40) {
    const int rows = height < 0 ? -height : height;
    const int stride = (width * bitCount + 31) / 32 * 4;
    const int offset = 14 + infoSize + (infoSize == 40 ? 12 : 0);
    QByteArray bytes(offset + stride * rows, '\0');
    bytes[0] = 'B';
    bytes[1] = 'M';
    PutU32(bytes, 2, static_cast<quint32>(bytes.size()));
    PutU32(bytes, 10, static_cast<quint32>(offset));
    PutU32(bytes, 14, static_cast<quint32>(infoSize));
    PutU32(bytes, 18, static_cast<quint32>(width));
    PutU32(bytes, 22, static_cast<quint32>(height));
    PutU16(bytes, 26, 1);
    PutU16(bytes, 28, static_cast<quint16>(bitCount));
    PutU32(bytes, 30, 3);  // BI_BITFIELDS
    PutU32(bytes, 34, static_cast<quint32>(stride * rows));
    PutU32(bytes, 54, masks.red);
    PutU32(bytes, 58, masks.green);
    PutU32(bytes, 62, masks.blue);
    if (infoSize >= 56) {
        PutU32(bytes, 66, masks.alpha);
    }
    for (int fileRow = 0; fileRow < rows; ++fileRow) {
        const int y = height < 0 ? fileRow : rows - 1 - fileRow;
        for (int x = 0; x < width; ++x) {
            const int at = offset + fileRow * stride + x * bitCount / 8;
            if (bitCount == 32) {
                PutU32(bytes, at, raw(x, y));
            } else {
                PutU16(bytes, at, static_cast<quint16>(raw(x, y)));
            }
        }
    }
    return bytes;
}

}  // namespace tavro::testing
