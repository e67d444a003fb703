// SPDX-License-Identifier: GPL-3.0-or-later
// Area-averaging reduction, row by row.
#include "cardmaker/PictureReduce.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace tavro::cardmaker {
namespace {

// Rows of the picture converted to four bytes a pixel at a time.
constexpr int kBandRows = 32;

// Where the source pixels of a row fall in the reduced row: for each source pixel, the first
// reduced pixel it covers and how much of it lies in that one (the rest in the next).
struct ColumnShare {
    int first = 0;
    float inFirst = 1;
};

std::vector<ColumnShare> ColumnShares(int from, int to) {
    std::vector<ColumnShare> shares(static_cast<size_t>(from));
    const double scale = double(to) / from;  // reduced pixels per source pixel
    for (int x = 0; x < from; ++x) {
        const double start = x * scale;
        const double end = (x + 1) * scale;
        const int first = std::min(to - 1, static_cast<int>(std::floor(start)));
        const double boundary = first + 1.0;
        shares[x] = {first,
                     end <= boundary ? 1.0f : static_cast<float>((boundary - start) / scale)};
    }
    return shares;
}

// Adds one premultiplied source row, weighted, to the reduced row's sums.
void AddRow(const QRgb* row, const std::vector<ColumnShare>& shares, float weight,
            std::vector<float>& sums) {
    for (size_t x = 0; x < shares.size(); ++x) {
        const QRgb pixel = row[x];
        const float channels[4] = {float(qRed(pixel)), float(qGreen(pixel)), float(qBlue(pixel)),
                                   float(qAlpha(pixel))};
        const ColumnShare share = shares[x];
        float* first = &sums[4 * static_cast<size_t>(share.first)];
        const float inFirst = weight * share.inFirst;
        const float inNext = weight - inFirst;
        for (int c = 0; c < 4; ++c) {
            first[c] += channels[c] * inFirst;
            if (inNext > 0) {
                first[4 + c] += channels[c] * inNext;
            }
        }
    }
}

void StoreRow(std::vector<float>& sums, float area, QRgb* row, int width) {
    for (int x = 0; x < width; ++x) {
        const float* pixel = &sums[4 * static_cast<size_t>(x)];
        const auto channel = [&](int c) {
            return std::clamp(static_cast<int>(std::lround(pixel[c] / area)), 0, 255);
        };
        const int alpha = channel(3);
        row[x] = qRgba(std::min(channel(0), alpha), std::min(channel(1), alpha),
                       std::min(channel(2), alpha), alpha);
    }
    std::fill(sums.begin(), sums.end(), 0.0f);
}

}  // namespace

QImage ReducePicture(const QImage& picture, const QSize& size) {
    if (picture.size() == size || size.isEmpty()) {
        return picture;
    }
    QImage reduced(size, QImage::Format_ARGB32_Premultiplied);
    if (reduced.isNull()) {
        return {};
    }
    const std::vector<ColumnShare> shares = ColumnShares(picture.width(), size.width());
    // The sums of the reduced row being made, with room for one pixel past its end.
    std::vector<float> sums(4 * (static_cast<size_t>(size.width()) + 1), 0.0f);
    const double rowsPer = double(picture.height()) / size.height();  // source rows a row covers
    const float area = static_cast<float>(rowsPer * picture.width() / size.width());
    int target = 0;
    double targetEnd = rowsPer;
    for (int top = 0; top < picture.height(); top += kBandRows) {
        const QImage band =
            picture.copy(0, top, picture.width(), std::min(kBandRows, picture.height() - top))
                .convertToFormat(QImage::Format_ARGB32_Premultiplied);
        for (int y = 0; y < band.height(); ++y) {
            const auto* row = reinterpret_cast<const QRgb*>(band.constScanLine(y));
            double from = top + y;
            const double to = from + 1;
            while (from < to) {
                const double until = std::min(to, targetEnd);
                AddRow(row, shares, static_cast<float>(until - from), sums);
                from = until;
                if (from >= targetEnd - 1e-9 && target < size.height()) {
                    StoreRow(sums, area, reinterpret_cast<QRgb*>(reduced.scanLine(target)),
                             size.width());
                    ++target;
                    targetEnd =
                        target + 1 == size.height() ? picture.height() : (target + 1) * rowsPer;
                    if (target == size.height()) {
                        return reduced;
                    }
                }
            }
        }
    }
    return reduced;
}

}  // namespace tavro::cardmaker
