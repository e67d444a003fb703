// SPDX-License-Identifier: GPL-3.0-or-later
// TRxCustomSlider: creation, destruction and the property setters with their checks.
//
// This program never stores or reads forms, so there is no "reading a stored form" state: the
// setters always check, and no persistent description of user-supplied images (UserImages) is
// written anywhere; UserImages() only tells which images are the user's.
#include <QString>
#include <algorithm>

#include "controls/RXSlider.h"
#include "controls/RXSliderAccessible.h"
#include "controls/SliderResources.h"

namespace tavro {

TRxCustomSlider::TRxCustomSlider(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_OpaquePaintEvent);  // the control paints its whole background
    setFocusPolicy(Qt::StrongFocus);        // a tab stop that takes the focus on a click
    setMouseTracking(true);                 // for the hand cursor over the thumb
    InstallSliderAccessibility();
    resize(150, 40);
    for (int index = 0; index < static_cast<int>(images_.size()); ++index) {
        images_[index] = BuiltInSliderImage(index);
    }
    ArrangeParts();
}

TRxCustomSlider::~TRxCustomSlider() {
    // Nothing is notified during the teardown.
    blockSignals(true);
    onDrawPoints_ = nullptr;
}

void TRxCustomSlider::setValue(std::int32_t v) {
    v = std::min(std::max(v, minValue_), maxValue_);
    const bool changed = v != value_;
    value_ = v;
    // The value set from code is kept as it is; only the thumb goes to the snapped place.
    PlaceThumb(OffsetForValue(v));
    if (changed) {
        ValueChanged();
    }
}

void TRxCustomSlider::setMinValue(std::int32_t v) {
    if (v != minValue_) {
        ApplyRange(v, maxValue_);
    }
}

void TRxCustomSlider::setMaxValue(std::int32_t v) {
    if (v != maxValue_) {
        ApplyRange(minValue_, v);
    }
}

void TRxCustomSlider::ApplyRange(std::int32_t newMin, std::int32_t newMax) {
    if (newMax <= newMin) {
        return;
    }
    minValue_ = newMin;
    maxValue_ = newMax;
    const std::int64_t range = std::int64_t{newMax} - newMin;
    if (range < increment_) {
        increment_ = static_cast<std::int32_t>(range);
    }
    if (options_ & soShowPoints) {
        update();
    }
    setValue(value_);
    RangeAltered();
}

void TRxCustomSlider::setIncrement(std::int32_t v) {
    const std::int64_t range = std::int64_t{maxValue_} - minValue_;
    if (v < 1 || v > range) {
        throw SliderError(
            QStringLiteral("Value must be between %1 and %2").arg(1).arg(range).toStdString());
    }
    if (v != increment_) {
        increment_ = v;
        setValue(value_);
        update();
    }
}

void TRxCustomSlider::setEdgeSize(std::int32_t v) {
    const QImage& pattern = RulerPattern();
    const int patternLength = orientation_ == soHorizontal ? pattern.width() : pattern.height();
    // A negative end cap means nothing sensible and is refused like a too long one.
    if (v < 0 || std::int64_t{v} * 2 >= patternLength || v == edgeSize_) {
        return;
    }
    edgeSize_ = v;
    Relayout();
}

void TRxCustomSlider::setOrientation(TSliderOrientation o) {
    if (o == orientation_ || (o != soHorizontal && o != soVertical)) {
        return;
    }
    orientation_ = o;
    Relayout();
    resize(height(), width());
    if (testAttribute(Qt::WA_PendingResizeEvent)) {
        ArrangeParts();  // hidden: Qt delivers the resize only when the control is shown
    }
}

void TRxCustomSlider::setOptions(TSliderOptions o) {
    if (o != options_) {
        options_ = o;
        update();
    }
}

void TRxCustomSlider::setNumThumbStates(int n) {
    if (n != numThumbStates_ && (n == 1 || n == 2)) {
        numThumbStates_ = n;
        ArrangeParts();
    }
}

void TRxCustomSlider::setBevelStyle(TBevelCut b) {
    if (b != bevelStyle_ && b <= bvSpace) {
        bevelStyle_ = b;
        Relayout();
        update();
    }
}

void TRxCustomSlider::SetImage(int index, const QImage* image) {
    const auto bit = static_cast<std::uint8_t>(1u << index);
    if (image != nullptr) {
        images_[index] = *image;
        userImages_ |= bit;
    } else {
        images_[index] = BuiltInSliderImage(index);
        userImages_ &= static_cast<std::uint8_t>(~bit);
        const bool isThumb = index == siHThumb || index == siVThumb;
        options_ &= ~TSliderOptions(isThumb ? soThumbOpaque : soRulerOpaque);
        update();
    }
    Relayout();
}

void TRxCustomSlider::setOnDrawPoints(DrawPointsHandler handler) {
    onDrawPoints_ = std::move(handler);
    update();
}

QSize TRxCustomSlider::sizeHint() const {
    return orientation_ == soHorizontal ? QSize(150, 40) : QSize(40, 150);
}

bool TRxCustomSlider::AcceptsInput() const {
    return true;
}

std::int32_t TRxCustomSlider::CurrentValue() const {
    return value_;
}

void TRxCustomSlider::Relayout() {
    ArrangeParts();
}

void TRxCustomSlider::RangeAltered() {}

void TRxCustomSlider::ValueChanged() {
    AnnounceSliderValue(this);
    NotifyChange();
}

void TRxCustomSlider::NotifyChange() {
    emit OnChange();
}

void TRxCustomSlider::NotifyChanged() {
    emit OnChanged();
}

}  // namespace tavro
