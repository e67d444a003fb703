// Writes Windows bitmap files byte by byte for the loader tests, including the kinds QImage does
// not write itself (top-down rows, palettes of 1, 4 and 8 bits, the old core header).
#pragma once

#include <QByteArray>
#include <QRgb>
#include <QtEndian>
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

}  // namespace tavro::testing
