// SPDX-License-Identifier: GPL-3.0-or-later
// Band-wise bitmap reading; see BitmapStream.h. Each band of uncompressed rows is handed to the
// same decoders as a whole file (Qt's reader, or the colour-mask decoder) as a small bitmap of
// its own: the file's headers and colour table with the height of the band. So a band decodes to
// exactly the rows the whole file would, and the reduction is the only step that differs from
// reading the file at once. A run-length compressed stream is read whole and walked by
// CheckRleStream first (it is small against its picture), then decoded row by row here.
#include "pictures/BitmapStream.h"

#include <QCoreApplication>
#include <QtEndian>
#include <algorithm>
#include <cmath>
#include <cstring>
#include <optional>

#include "pictures/BitfieldDecode.h"
#include "pictures/BitmapDecode.h"
#include "pictures/BitmapHeader.h"
#include "pictures/RleCheck.h"

namespace tavro {
namespace {

// About this many bytes of pixel rows are read and decoded at a time.
constexpr qint64 kBandBytes = 256 * 1024;

QString UndecodableText() {
    return QCoreApplication::translate("CardSet", "the bitmap cannot be decoded");
}

// Where each source row or column of an axis lands: at most two target cells, since a target
// cell is at least one source cell wide, with the share of the source cell in each (in target
// cells, so that the shares within one target cell add up to 1).
std::vector<RowSpan> Spans(int sourceSize, int targetSize) {
    std::vector<RowSpan> spans(static_cast<std::size_t>(sourceSize));
    const double scale = static_cast<double>(targetSize) / sourceSize;
    for (int at = 0; at < sourceSize; ++at) {
        const double begin = at * scale;
        const double end = (at + 1) * scale;
        RowSpan& span = spans[static_cast<std::size_t>(at)];
        span.first = std::min(static_cast<int>(begin), targetSize - 1);
        const double split = span.first + 1.0;
        if (end <= split || span.first + 1 >= targetSize) {
            span.firstWeight = static_cast<float>(end - begin);
            span.secondWeight = 0;
        } else {
            span.firstWeight = static_cast<float>(split - begin);
            span.secondWeight = static_cast<float>(end - split);
        }
    }
    return spans;
}

void AddPixel(float* sums, QRgb pixel, float weight) {
    sums[0] += weight * static_cast<float>(qBlue(pixel));
    sums[1] += weight * static_cast<float>(qGreen(pixel));
    sums[2] += weight * static_cast<float>(qRed(pixel));
    sums[3] += weight * static_cast<float>(qAlpha(pixel));
}

int Channel(float value, int limit) {
    return std::clamp(static_cast<int>(std::lround(value)), 0, limit);
}

}  // namespace

RowReducer::RowReducer(QSize source, QSize target, bool alpha)
    : source_(source),
      target_(target),
      copies_(source == target),
      result_(target, alpha ? QImage::Format_ARGB32_Premultiplied : QImage::Format_RGB32) {
    if (!copies_ && !result_.isNull()) {
        sums_.assign(static_cast<std::size_t>(target.width()) * target.height() * 4, 0.0F);
        rowSums_.assign(static_cast<std::size_t>(target.width()) * 4, 0.0F);
    }
}

void RowReducer::AddRow(int y, const QRgb* row) {
    if (result_.isNull() || y < 0 || y >= source_.height()) {
        return;
    }
    if (copies_) {
        std::memcpy(result_.scanLine(y), row, static_cast<std::size_t>(source_.width()) * 4);
        return;
    }
    if (columns_.empty()) {
        columns_ = Spans(source_.width(), target_.width());
        rows_ = Spans(source_.height(), target_.height());
    }
    std::fill(rowSums_.begin(), rowSums_.end(), 0.0F);
    for (int x = 0; x < source_.width(); ++x) {
        const RowSpan& span = columns_[static_cast<std::size_t>(x)];
        float* cell = rowSums_.data() + static_cast<std::size_t>(span.first) * 4;
        AddPixel(cell, row[x], span.firstWeight);
        if (span.secondWeight > 0) {
            AddPixel(cell + 4, row[x], span.secondWeight);
        }
    }
    const RowSpan& span = rows_[static_cast<std::size_t>(y)];
    const std::size_t rowLength = rowSums_.size();
    const auto addInto = [&](int targetRow, float weight) {
        float* sums = sums_.data() + static_cast<std::size_t>(targetRow) * rowLength;
        for (std::size_t at = 0; at < rowLength; ++at) {
            sums[at] += weight * rowSums_[at];
        }
    };
    addInto(span.first, span.firstWeight);
    if (span.secondWeight > 0) {
        addInto(span.first + 1, span.secondWeight);
    }
}

QImage RowReducer::Result() {
    if (copies_ || result_.isNull()) {
        return result_;
    }
    const bool alpha = result_.hasAlphaChannel();
    for (int y = 0; y < target_.height(); ++y) {
        auto* out = reinterpret_cast<QRgb*>(result_.scanLine(y));
        const float* sums = sums_.data() + static_cast<std::size_t>(y) * target_.width() * 4;
        for (int x = 0; x < target_.width(); ++x, sums += 4) {
            const int a = alpha ? Channel(sums[3], 255) : 255;
            // Premultiplied colour never exceeds its alpha, whatever the rounding did.
            out[x] = qRgba(Channel(sums[2], a), Channel(sums[1], a), Channel(sums[0], a), a);
        }
    }
    sums_ = {};
    rowSums_ = {};
    return result_;
}

namespace {

// A bitmap of its own for `rows` rows of pixel data: the file's headers and colour table with the
// height, sizes and pixel offset set for the band, then the band's bytes.
QByteArray BandBitmap(const QByteArray& prefix, const BitmapHeader& header, qint64 rows,
                      const QByteArray& data) {
    QByteArray band = prefix + data;
    char* bytes = band.data();
    qToLittleEndian<quint32>(static_cast<quint32>(band.size()), bytes + 2);
    qToLittleEndian<quint32>(static_cast<quint32>(prefix.size()), bytes + 10);
    if (header.infoSize == kCoreHeaderSize) {
        qToLittleEndian<quint16>(static_cast<quint16>(rows), bytes + kFileHeaderSize + 6);
    } else {
        const qint32 height = static_cast<qint32>(header.height < 0 ? -rows : rows);
        qToLittleEndian<qint32>(height, bytes + kFileHeaderSize + 8);
        qToLittleEndian<quint32>(static_cast<quint32>(data.size()), bytes + kFileHeaderSize + 20);
    }
    return band;
}

QImage DecodeBand(const QByteArray& band, const BitmapHeader& header) {
    QImage image;
    if (header.compression == kBiBitfields) {
        image = DecodeBitfields(band, ParseBitmapHeader(band));
    } else if (!image.loadFromData(band, "BMP")) {
        return {};
    }
    image = MakeDrawable(image);
    if (image.isNull()) {
        return image;
    }
    return image.convertToFormat(image.hasAlphaChannel() ? QImage::Format_ARGB32_Premultiplied
                                                         : QImage::Format_RGB32);
}

QImage DecodeUncompressed(QIODevice& file, const QByteArray& head, const BitmapHeader& header,
                          const QSize& target, QString& problem) {
    const qint64 rows = header.height < 0 ? -header.height : header.height;
    const qint64 stride = (header.width * header.bitCount + 31) / 32 * 4;
    const qint64 bandRows = std::clamp<qint64>(kBandBytes / stride, 1, rows);
    const QByteArray prefix = head.left(HeadersAndTableEnd(header));
    if (!file.seek(PixelDataStart(header))) {
        problem = CutOffText();
        return {};
    }
    const QSize source(static_cast<int>(header.width), static_cast<int>(rows));
    std::optional<RowReducer> reducer;
    for (qint64 firstRow = 0; firstRow < rows; firstRow += bandRows) {
        const qint64 count = std::min(bandRows, rows - firstRow);
        const QByteArray data = file.read(count * stride);
        if (data.size() != count * stride) {
            problem = CutOffText();  // the file shrank since it was checked
            return {};
        }
        const QImage band = DecodeBand(BandBitmap(prefix, header, count, data), header);
        if (band.isNull() || band.width() != source.width() || band.height() != count) {
            problem = UndecodableText();
            return {};
        }
        if (!reducer) {
            reducer.emplace(source, target, band.hasAlphaChannel());
            if (!reducer->IsValid()) {
                problem = UndecodableText();
                return {};
            }
        }
        for (int r = 0; r < count; ++r) {
            // A bottom-up band's first file row is its picture's last row.
            const qint64 fileRow = firstRow + (header.height < 0 ? r : count - 1 - r);
            const qint64 y = header.height < 0 ? fileRow : rows - 1 - fileRow;
            reducer->AddRow(static_cast<int>(y), reinterpret_cast<const QRgb*>(band.scanLine(r)));
        }
    }
    return reducer->Result();
}

// The colour table of a palette bitmap with an info header: blue, green, red and one unused byte
// per entry, filled up with black to all 2^bits entries as MakeDrawable does.
std::vector<QRgb> ColourTable(const QByteArray& head, const BitmapHeader& header) {
    std::vector<QRgb> table(std::size_t{1} << header.bitCount, qRgb(0, 0, 0));
    const qint64 entries =
        header.coloursUsed != 0 ? header.coloursUsed : (qint64{1} << header.bitCount);
    const qint64 start = kFileHeaderSize + header.infoSize;
    for (qint64 entry = 0; entry < entries; ++entry) {
        const auto* bgr = reinterpret_cast<const uchar*>(head.constData() + start + entry * 4);
        table[static_cast<std::size_t>(entry)] = qRgb(bgr[2], bgr[1], bgr[0]);
    }
    return table;
}

// Decodes a run-length stream that passed CheckRleStream row by row into the reducer. Rows are
// stored from the bottom; pixels the stream skips (by a jump, an early end of row or of the
// picture) keep colour 0, as the whole-file reader leaves them.
void ReduceRunLength(const QByteArray& bytes, qint64 at, const BitmapHeader& header,
                     const std::vector<QRgb>& table, RowReducer& reducer) {
    const bool fourBits = header.compression == kBiRle4;
    const int width = static_cast<int>(header.width);
    const int height = static_cast<int>(header.height);
    std::vector<QRgb> row(static_cast<std::size_t>(width), table[0]);
    int x = 0;
    int y = 0;  // from the bottom
    const auto flush = [&] {
        if (y < height) {
            reducer.AddRow(height - 1 - y, row.data());
        }
        std::fill(row.begin(), row.end(), table[0]);
        ++y;
    };
    const auto put = [&](int index) {
        if (x < width) {
            row[static_cast<std::size_t>(x)] = table[static_cast<std::size_t>(index)];
        }
        ++x;
    };
    const auto byteAt = [&](qint64 offset) { return static_cast<quint8>(bytes[offset]); };
    while (at + 2 <= bytes.size()) {
        const int first = byteAt(at);
        const int second = byteAt(at + 1);
        at += 2;
        if (first > 0) {  // a run of `first` pixels; RLE4 alternates the byte's two nibbles
            for (int n = 0; n < first; ++n) {
                put(fourBits ? (n % 2 == 0 ? second >> 4 : second & 0x0F) : second);
            }
        } else if (second == 0) {  // end of the row
            flush();
            x = 0;
        } else if (second == 1) {  // end of the picture
            break;
        } else if (second == 2) {  // a jump right and up
            const int right = byteAt(at);
            const int up = byteAt(at + 1);
            at += 2;
            for (int n = 0; n < up; ++n) {
                flush();
            }
            x += right;
        } else {  // `second` literal pixels, padded to whole 16-bit words
            for (int n = 0; n < second; ++n) {
                const int byte = byteAt(at + (fourBits ? n / 2 : n));
                put(fourBits ? (n % 2 == 0 ? byte >> 4 : byte & 0x0F) : byte);
            }
            at += fourBits ? (second + 3) / 4 * 2 : (second + 1) / 2 * 2;
        }
    }
    while (y < height) {
        flush();
    }
}

QImage DecodeRunLength(QIODevice& file, qint64 length, const QByteArray& head,
                       const BitmapHeader& header, const QSize& target, QString& problem) {
    // The compressed stream is read whole, to be walked before anything is drawn; it is small
    // against the picture it makes.
    if (!file.seek(0)) {
        problem = CutOffText();
        return {};
    }
    const QByteArray bytes = file.read(length);
    if (bytes.size() != length) {
        problem = CutOffText();
        return {};
    }
    problem = CheckRleStream(bytes, header, PixelDataStart(header));
    if (!problem.isEmpty()) {
        return {};
    }
    RowReducer reducer(QSize(static_cast<int>(header.width), static_cast<int>(header.height)),
                       target, false);
    if (!reducer.IsValid()) {
        problem = UndecodableText();
        return {};
    }
    ReduceRunLength(bytes, PixelDataStart(header), header, ColourTable(head, header), reducer);
    return reducer.Result();
}

}  // namespace

QImage DecodeBitmapScaled(QIODevice& file, qint64 length, const QSize& shownPixels,
                          QString& problem) {
    const QByteArray head = file.read(std::min(length, kBitmapHeadBytes));
    problem = CheckBitmapLayout(head, head.size() < kBitmapHeadBytes ? head.size() : length);
    if (!problem.isEmpty()) {
        return {};
    }
    const BitmapHeader header = ParseBitmapHeader(head);
    const QSize source(static_cast<int>(header.width),
                       static_cast<int>(header.height < 0 ? -header.height : header.height));
    const QSize target = shownPixels.isEmpty() ? source : source.boundedTo(shownPixels);
    if (header.compression == kBiRle8 || header.compression == kBiRle4) {
        return DecodeRunLength(file, length, head, header, target, problem);
    }
    return DecodeUncompressed(file, head, header, target, problem);
}

}  // namespace tavro
