// SPDX-License-Identifier: GPL-3.0-or-later
// The card sizes' scales and the scale that fits a screen; see CardSizes.h.
#include "app/CardSizes.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "app/BoardGeometry.h"
#include "dialogkit/DialogLook.h"

namespace tavro {
namespace {

constexpr double kSameScale = 1e-6;

}  // namespace

double ChosenScale(CardSize size) {
    switch (size) {
        case CardSize::Normal:
            return 1.0;
        case CardSize::Large150:
            return 1.5;
        case CardSize::Large200:
            return 2.0;
        case CardSize::Large300:
            return 3.0;
        case CardSize::FitScreen:
            break;
    }
    return std::numeric_limits<double>::infinity();
}

CardSize SteppedCardSize(double shownScale, bool larger) {
    if (larger) {
        for (const CardSize step : kCardSizeSteps) {
            if (ChosenScale(step) > shownScale + kSameScale) {
                return step;
            }
        }
        return kCardSizeSteps.back();
    }
    for (auto step = kCardSizeSteps.rbegin(); step != kCardSizeSteps.rend(); ++step) {
        if (ChosenScale(*step) < shownScale - kSameScale) {
            return *step;
        }
    }
    return kCardSizeSteps.front();
}

double FittingScale(const QSize& designed, const QSize& unscaled, const QSize& available) {
    if (designed.isEmpty()) {
        return kSmallestScale;
    }
    const double across =
        static_cast<double>(available.width() - unscaled.width()) / designed.width();
    const double down =
        static_cast<double>(available.height() - unscaled.height()) / designed.height();
    // Rounded down, so that no scaled length is rounded up past the room there is.
    const double fits = std::floor(std::min(across, down) * 1000.0) / 1000.0;
    return std::max(kSmallestScale, fits);
}

double ShownScale(CardSize chosen, double fitting) {
    return std::min(ChosenScale(chosen), fitting);
}

QFont PointsFont(double scale) {
    QFont font = LargeBoldFont();
    if (scale != 1.0) {
        font.setPixelSize(std::max(1, Scaled(kPointsFontPixels, scale)));
    }
    return font;
}

}  // namespace tavro
