// SPDX-License-Identifier: GPL-3.0-or-later
// The card square of a picture: clamping, the default place, and zooming.
#include "cardmaker/CropModel.h"

#include <algorithm>
#include <cmath>

#include "cardart/CardDrawing.h"

namespace tavro::cardmaker {
namespace {

// Where a square of the side starts along a length, its middle as near `centre` as fits.
int SquareStart(int length, int side, double centre) {
    const double start = centre * length - side / 2.0;
    return std::clamp(static_cast<int>(std::lround(start)), 0, length - side);
}

}  // namespace

int LargestCropSide(const QSize& size) {
    return std::max(0, std::min(size.width(), size.height()));
}

int SmallestCropSide(const QSize& size) {
    // Zooming in stops at a square of kCardArtSide picture pixels: the card file enlarges it to
    // kCardSize smoothly, which still looks fine at the larger card sizes, and closer squares
    // would only show the photo's pixels.
    return std::min(cardsets::kCardArtSide, LargestCropSide(size));
}

QRect CropSquare(const QSize& size, const Crop& crop) {
    const int largest = LargestCropSide(size);
    if (largest == 0) {
        return {};
    }
    const int side =
        crop.side <= 0 ? largest : std::clamp(crop.side, SmallestCropSide(size), largest);
    return QRect(SquareStart(size.width(), side, crop.centre.x()),
                 SquareStart(size.height(), side, crop.centre.y()), side, side);
}

Crop ClampCrop(const QSize& size, const Crop& crop) {
    const QRect square = CropSquare(size, crop);
    if (square.isEmpty()) {
        return {};
    }
    const QPointF middle = QRectF(square).center();
    return {{middle.x() / size.width(), middle.y() / size.height()}, square.width()};
}

Crop CropOfSquare(const QSize& size, const QRect& square) {
    if (size.isEmpty()) {
        return {};
    }
    const QPointF middle = QRectF(square).center();
    return ClampCrop(size, {{middle.x() / size.width(), middle.y() / size.height()},
                            std::max(1, square.width())});
}

Crop DefaultCrop(const QSize& size) {
    const bool tall = size.height() > size.width();
    return ClampCrop(size, {{0.5, tall ? 1.0 / 3 : 0.5}, 0});
}

Crop ZoomCrop(const QSize& size, const Crop& crop, double factor) {
    const Crop now = ClampCrop(size, crop);
    if (factor <= 0 || now.side == 0) {
        return now;
    }
    const int side = static_cast<int>(std::lround(now.side / factor));
    return ClampCrop(size, {now.centre, std::max(1, side)});
}

double CropZoom(const QSize& size, const Crop& crop) {
    const int side = CropSquare(size, crop).width();
    return side > 0 ? double(LargestCropSide(size)) / side : 1.0;
}

QRect CropSquare(const QSize& size, const QPointF& centre) {
    return CropSquare(size, Crop{centre, 0});
}

}  // namespace tavro::cardmaker
