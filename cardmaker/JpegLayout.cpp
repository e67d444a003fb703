// SPDX-License-Identifier: GPL-3.0-or-later
// Walking a JPEG file's markers.
#include "cardmaker/JpegLayout.h"

#include <algorithm>
#include <cstring>

namespace tavro::cardmaker {
namespace {

constexpr int kEndOfImage = 0xD9;
constexpr int kStartOfScan = 0xDA;
constexpr int kComment = 0xFE;
constexpr qint64 kBufferSize = 64 * 1024;

// Reads the device in chunks, for byte-wise parsing without a read call per byte.
class ByteReader {
public:
    explicit ByteReader(QIODevice& device) : device_(device), buffer_(kBufferSize, '\0') {}

    // The next byte, or -1 at the end.
    int get() {
        if (at_ == end_ && !fill()) {
            return -1;
        }
        return static_cast<uchar>(buffer_[at_++]);
    }
    int get16() {
        const int high = get();
        const int low = get();
        return high < 0 || low < 0 ? -1 : (high << 8) | low;
    }
    bool skip(qint64 count) {
        const qint64 buffered = std::min(count, end_ - at_);
        at_ += buffered;
        count -= buffered;
        if (count == 0) {
            return true;
        }
        const qint64 to = device_.pos() + count;
        return to <= device_.size() && device_.seek(to);
    }
    // Skips bytes up to the next 0xFF; false at the end.
    bool skipToFF() {
        for (;;) {
            if (at_ == end_ && !fill()) {
                return false;
            }
            const char* from = buffer_.constData() + at_;
            const void* found = std::memchr(from, 0xFF, static_cast<size_t>(end_ - at_));
            if (found != nullptr) {
                at_ += static_cast<const char*>(found) - from;
                return true;
            }
            at_ = end_;
        }
    }

private:
    bool fill() {
        const qint64 got = device_.read(buffer_.data(), kBufferSize);
        at_ = 0;
        end_ = std::max<qint64>(got, 0);
        return end_ > 0;
    }

    QIODevice& device_;
    QByteArray buffer_;
    qint64 at_ = 0;
    qint64 end_ = 0;
};

// The next marker's code, skipping picture data, stuffed bytes, restart markers and fill bytes;
// -1 at the end of the file.
int NextMarker(ByteReader& in) {
    for (;;) {
        if (!in.skipToFF()) {
            return -1;
        }
        in.get();  // the 0xFF
        int code = in.get();
        while (code == 0xFF) {
            code = in.get();
        }
        if (code < 0) {
            return -1;
        }
        if (code != 0 && !(code >= 0xD0 && code <= 0xD7) && code != 0x01) {
            return code;
        }
    }
}

bool IsFrameHeader(int code) {
    return code >= 0xC0 && code <= 0xCF && code != 0xC4 && code != 0xC8 && code != 0xCC;
}

bool IsProgressiveFrame(int code) {
    return code == 0xC2 || code == 0xC6 || code == 0xCA || code == 0xCE;
}

// Reads the frame header's body (without its length): precision, size and components.
bool ReadFrame(ByteReader& in, int length, JpegLayout& layout) {
    in.get();  // sample precision
    const int height = in.get16();
    const int width = in.get16();
    const int count = in.get();
    if (height < 0 || width < 0 || count <= 0 || length < 6 + 3 * count) {
        return false;
    }
    layout.size = QSize(width, height);
    layout.components.clear();
    for (int n = 0; n < count; ++n) {
        in.get();  // component id
        const int sampling = in.get();
        in.get();  // quantisation table
        if (sampling < 0) {
            return false;
        }
        layout.components.push_back({std::max(1, sampling >> 4), std::max(1, sampling & 0x0F)});
    }
    layout.hasFrame = true;
    return in.skip(length - 6 - 3 * count);
}

qint64 RoundUp(qint64 value, qint64 step) {
    return (value + step - 1) / step * step;
}

}  // namespace

JpegLayout ScanJpeg(QIODevice& device, qint64 maxMetadataBytes) {
    JpegLayout layout;
    ByteReader in(device);
    if (in.get() != 0xFF || in.get() != 0xD8) {
        return layout;
    }
    for (;;) {
        const int code = NextMarker(in);
        if (code < 0) {
            return layout;
        }
        if (code == kEndOfImage) {
            layout.ended = true;
            return layout;
        }
        const int length = in.get16();
        if (length < 2) {
            return layout;
        }
        const bool metadata = (code >= 0xE0 && code <= 0xEF) || code == kComment;
        if (metadata) {
            layout.metadataBytes += length;
            if (layout.metadataBytes > maxMetadataBytes) {
                return layout;
            }
        }
        if (IsFrameHeader(code)) {
            layout.progressive = IsProgressiveFrame(code);
            if (!ReadFrame(in, length - 2, layout)) {
                return layout;
            }
            continue;
        }
        if (code == kStartOfScan) {
            ++layout.scans;
        }
        if (!in.skip(length - 2)) {
            return layout;
        }
    }
}

qint64 JpegCoefficientBytes(const JpegLayout& layout) {
    if (!layout.hasFrame || (!layout.progressive && layout.scans <= 1)) {
        return 0;
    }
    int maxHorizontal = 1;
    int maxVertical = 1;
    for (const JpegLayout::Component& component : layout.components) {
        maxHorizontal = std::max(maxHorizontal, component.horizontal);
        maxVertical = std::max(maxVertical, component.vertical);
    }
    // As libjpeg sizes them: 8 x 8 blocks of 2-byte coefficients, padded to whole MCUs.
    qint64 bytes = 0;
    for (const JpegLayout::Component& component : layout.components) {
        const qint64 samplesWide =
            (qint64{layout.size.width()} * component.horizontal + maxHorizontal - 1) /
            maxHorizontal;
        const qint64 samplesHigh =
            (qint64{layout.size.height()} * component.vertical + maxVertical - 1) / maxVertical;
        const qint64 blocksWide = RoundUp((samplesWide + 7) / 8, component.horizontal);
        const qint64 blocksHigh = RoundUp((samplesHigh + 7) / 8, component.vertical);
        bytes += blocksWide * blocksHigh * 64 * 2;
    }
    return bytes;
}

}  // namespace tavro::cardmaker
