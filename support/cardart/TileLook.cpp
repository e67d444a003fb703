// SPDX-License-Identifier: GPL-3.0-or-later
// Matching the block averages of a larger card picture to those of a smaller one.
#include "cardart/TileLook.h"

#include <algorithm>
#include <cstdlib>
#include <stdexcept>
#include <vector>

namespace tavro::cardsets {
namespace {

bool IsSquare(const QImage& image) {
    return !image.isNull() && image.width() == image.height();
}

// Changes the channel values (0..255) by `need` in total, as evenly as the limits allow: an even
// shift keeps the differences between the pixels, that is the larger picture's detail.
void Spread(std::vector<int>& values, int need) {
    while (need != 0) {
        const int step = need > 0 ? 1 : -1;
        const auto open = std::count_if(values.begin(), values.end(),
                                        [step](int v) { return step > 0 ? v < 255 : v > 0; });
        if (open == 0) {
            return;  // cannot happen: the wanted sum lies within the block's range
        }
        const int each = need / static_cast<int>(open);
        int extra = std::abs(need % static_cast<int>(open));
        for (int& value : values) {
            if (step > 0 ? value >= 255 : value <= 0) {
                continue;
            }
            int change = each;
            if (extra > 0) {
                change += step;
                --extra;
            }
            const int next = std::clamp(value + change, 0, 255);
            need -= next - value;
            value = next;
        }
    }
}

}  // namespace

QImage WithTileLook(const QImage& large, const QImage& small, int tileSide) {
    if (!IsSquare(large) || !IsSquare(small) || tileSide <= 0 || small.width() % tileSide != 0 ||
        large.width() % small.width() != 0) {
        throw std::invalid_argument("the pictures' sides are no multiples of the tile's");
    }
    QImage result = large.convertToFormat(QImage::Format_RGB32);
    const QImage earlier = small.convertToFormat(QImage::Format_RGB32);
    const int block = large.width() / tileSide;  // a tile pixel's block side in `large`
    const int smallBlock = small.width() / tileSide;
    const int areaRatio = (block / smallBlock) * (block / smallBlock);
    std::vector<int> values(static_cast<std::size_t>(block) * block);
    for (int tileY = 0; tileY < tileSide; ++tileY) {
        for (int tileX = 0; tileX < tileSide; ++tileX) {
            for (const int shift : {16, 8, 0}) {
                int want = 0;
                for (int y = 0; y < smallBlock; ++y) {
                    const auto* row = reinterpret_cast<const QRgb*>(
                        earlier.constScanLine(tileY * smallBlock + y));
                    for (int x = 0; x < smallBlock; ++x) {
                        want += static_cast<int>((row[tileX * smallBlock + x] >> shift) & 0xFF);
                    }
                }
                want *= areaRatio;
                int have = 0;
                auto value = values.begin();
                for (int y = 0; y < block; ++y) {
                    const auto* row =
                        reinterpret_cast<const QRgb*>(result.constScanLine(tileY * block + y));
                    for (int x = 0; x < block; ++x, ++value) {
                        *value = static_cast<int>((row[tileX * block + x] >> shift) & 0xFF);
                        have += *value;
                    }
                }
                Spread(values, want - have);
                value = values.begin();
                for (int y = 0; y < block; ++y) {
                    auto* row = reinterpret_cast<QRgb*>(result.scanLine(tileY * block + y));
                    for (int x = 0; x < block; ++x, ++value) {
                        QRgb& pixel = row[tileX * block + x];
                        pixel =
                            (pixel & ~(QRgb{0xFF} << shift)) | (static_cast<QRgb>(*value) << shift);
                    }
                }
            }
        }
    }
    return result;
}

}  // namespace tavro::cardsets
