// Writes Windows bitmap files byte by byte for the loader tests, including the kinds QImage does
// not write itself (top-down rows, palettes of 1, 4 and 8 bits, the old core header).
#pragma once

#include <QByteArray>
#include <QRgb>
#include <QtEndian>
#include <functional>
#include <vector>

namespace tavro::testing {

struct BmpSpec {
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

inline QByteArray MakeBmp(const BmpSpec& spec, const PixelSource& pixel) {
    const int rows = spec.height < 0 ? -spec.height : spec.height;
    const int stride = (spec.width * spec.bitCount + 31) / 32 * 4;
    const int infoSize = spec.coreHeader ? 12 : 40;
    const int entrySize = spec.coreHeader ? 3 : 4;
    const int paletteSize = static_cast<int>(spec.palette.size()) * entrySize;
    const int offset = 14 + infoSize + paletteSize;
    QByteArray bytes(offset + stride * rows, '\0');

    bytes[0] = 'B';
    bytes[1] = 'M';
    PutU32(bytes, 2, static_cast<quint32>(bytes.size()));
    PutU32(bytes, 10, static_cast<quint32>(offset));
    PutU32(bytes, 14, static_cast<quint32>(infoSize));
    if (spec.coreHeader) {
        PutU16(bytes, 18, static_cast<quint16>(spec.width));
        PutU16(bytes, 20, static_cast<quint16>(spec.height));
        PutU16(bytes, 22, 1);
        PutU16(bytes, 24, static_cast<quint16>(spec.bitCount));
    } else {
        PutU32(bytes, 18, static_cast<quint32>(spec.width));
        PutU32(bytes, 22, static_cast<quint32>(spec.height));
        PutU16(bytes, 26, 1);
        PutU16(bytes, 28, static_cast<quint16>(spec.bitCount));
        PutU32(bytes, 34, static_cast<quint32>(stride * rows));
        PutU32(bytes, 46, static_cast<quint32>(spec.palette.size()));
    }
    for (std::size_t i = 0; i < spec.palette.size(); ++i) {
        char* entry = bytes.data() + 14 + infoSize + i * entrySize;
        entry[0] = static_cast<char>(qBlue(spec.palette[i]));
        entry[1] = static_cast<char>(qGreen(spec.palette[i]));
        entry[2] = static_cast<char>(qRed(spec.palette[i]));
    }
    for (int fileRow = 0; fileRow < rows; ++fileRow) {
        const int y = spec.height < 0 ? fileRow : rows - 1 - fileRow;
        auto* row = reinterpret_cast<uchar*>(bytes.data() + offset + fileRow * stride);
        for (int x = 0; x < spec.width; ++x) {
            const quint32 value = pixel(x, y);
            if (spec.bitCount <= 8) {
                const int bit = x * spec.bitCount;
                const int shift = 8 - spec.bitCount - bit % 8;
                row[bit / 8] |= static_cast<uchar>(value << shift);
            } else {
                const int bytesPerPixel = spec.bitCount / 8;
                row[x * bytesPerPixel] = static_cast<uchar>(qBlue(value));
                row[x * bytesPerPixel + 1] = static_cast<uchar>(qGreen(value));
                row[x * bytesPerPixel + 2] = static_cast<uchar>(qRed(value));
            }
        }
    }
    return bytes;
}

}  // namespace tavro::testing
