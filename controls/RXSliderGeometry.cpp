// SPDX-License-Identifier: GPL-3.0-or-later
// TRxCustomSlider: the ruler's composition, the layout of ruler, thumb and tick row, and the
// mapping between values and thumb positions.
//
// Rectangles follow Qt (QRect::right() is the last pixel inside); "the right edge" below means
// x() + width(), the first pixel past it. Conversions between floating-point and integer values
// round to the nearest integer with halves to the even neighbour (std::nearbyint under the
// default rounding mode), never away from zero as qRound does.
#include <QPainter>
#include <algorithm>
#include <cmath>
#include <limits>

#include "controls/RXSlider.h"
#include "controls/TransparentDraw.h"

namespace tavro {

namespace {

constexpr int kInset = 6;  // the ruler and the thumb start this far inside SliderArea()

// Rounds halves to even and keeps the result inside the int range, so that the cast is defined.
double RoundEven(double x) {
    return std::nearbyint(x);
}

int ToInt(double x) {
    constexpr double kLow = std::numeric_limits<int>::min();
    constexpr double kHigh = std::numeric_limits<int>::max();
    return static_cast<int>(std::min(std::max(x, kLow), kHigh));
}

int EndX(const QRect& r) {
    return r.x() + r.width();
}
int EndY(const QRect& r) {
    return r.y() + r.height();
}

// Copies the pattern's section [from, to) along the ruler to the ruler's [at, ...), at the full
// thickness; whatever falls outside the ruler is cut off.
void CopySection(QPainter& ruler, const QImage& pattern, bool horizontal, int from, int to,
                 int at) {
    const int length = to - from;
    if (length <= 0) {
        return;
    }
    if (horizontal) {
        ruler.drawImage(QRect(at, 0, length, pattern.height()), pattern,
                        QRect(from, 0, length, pattern.height()));
    } else {
        ruler.drawImage(QRect(0, at, pattern.width(), length), pattern,
                        QRect(0, from, pattern.width(), length));
    }
}

}  // namespace

const QImage& TRxCustomSlider::ThumbImage() const {
    return images_[orientation_ == soHorizontal ? siHThumb : siVThumb];
}

const QImage& TRxCustomSlider::RulerPattern() const {
    return images_[orientation_ == soHorizontal ? siHRuler : siVRuler];
}

QSize TRxCustomSlider::ThumbSize() const {
    const QImage& thumb = ThumbImage();
    return {thumb.width() / numThumbStates_, thumb.height()};
}

QRect TRxCustomSlider::SliderArea() const {
    const QRect area = rect();
    return bevelStyle_ == bvNone ? area : area.adjusted(1, 1, -1, -1);
}

int TRxCustomSlider::MinOffset() const {
    const QRect area = SliderArea();
    return (orientation_ == soHorizontal ? area.x() : area.y()) + kInset;
}

int TRxCustomSlider::TravelLength() const {
    const QSize thumb = ThumbSize();
    return orientation_ == soHorizontal ? rulerImage_.width() - thumb.width()
                                        : rulerImage_.height() - thumb.height();
}

int TRxCustomSlider::OffsetForValue(std::int32_t v) const {
    const double range = static_cast<double>(maxValue_) - minValue_;
    const int minOffset = MinOffset();
    int offset =
        ToInt(RoundEven((static_cast<double>(v) - minValue_) / range * TravelLength())) + minOffset;
    if (orientation_ == soVertical) {
        const QRect area = SliderArea();
        offset = area.y() + EndY(area) - offset - ThumbSize().height();
    }
    return std::max(offset, minOffset);
}

std::int32_t TRxCustomSlider::ValueAtOffset(int offset) const {
    if (orientation_ == soVertical) {
        offset = height() - offset - ThumbSize().height();
    }
    const int travel = TravelLength();
    if (travel <= 0) {
        return minValue_;  // no room to move: every place means the lowest value
    }
    const double range = static_cast<double>(maxValue_) - minValue_;
    const double distance = static_cast<double>(offset) - MinOffset();
    double v = RoundEven(distance * range / travel);
    if (!(options_ & soSmooth)) {
        v = RoundEven(v / increment_) * increment_;
    }
    return static_cast<std::int32_t>(
        std::min(minValue_ + std::max(v, 0.0), static_cast<double>(maxValue_)));
}

int TRxCustomSlider::SnapThumb(int offset, QPoint* topLeft) const {
    const int minOffset = MinOffset();
    const int maxOffset = minOffset + TravelLength();
    const int clamped = std::min(std::max(offset, minOffset), maxOffset);
    const int snapped = std::min(OffsetForValue(ValueAtOffset(clamped)), maxOffset);
    if (topLeft != nullptr) {
        *topLeft = orientation_ == soHorizontal ? QPoint(snapped, thumbArea_.y())
                                                : QPoint(thumbArea_.x(), snapped);
    }
    return snapped;
}

int TRxCustomSlider::PlaceThumb(int offset) {
    QPoint topLeft;
    const int snapped = SnapThumb(offset, &topLeft);
    if (topLeft != thumbArea_.topLeft()) {
        update(ThumbRepaintArea());
        thumbArea_.moveTopLeft(topLeft);
        update(ThumbRepaintArea());
    }
    return snapped;
}

void TRxCustomSlider::MoveThumbTo(int offset) {
    const std::int32_t before = value_;
    const int snapped = PlaceThumb(offset);
    if (dragging_) {
        value_ = ValueAtOffset(snapped);
        if (value_ != before) {
            ValueChanged();
        }
    }
}

void TRxCustomSlider::StepValue(TSliderStep step) {
    const double increment = increment_;
    const double current = value_;
    double target = 0;
    switch (step) {
        case stToMin:
            target = minValue_;
            break;
        case stToMax:
            target = maxValue_;
            break;
        case stUp:
            target = RoundEven(current / increment) * increment + increment;
            break;
        case stDown:
            target = RoundEven(current / increment) * increment - increment;
            break;
        case stNone:
        default:
            return;
    }
    std::int32_t result = 0;
    if (target >= maxValue_) {
        result = maxValue_;
    } else if (target <= minValue_) {
        result = minValue_;
    } else {
        result = static_cast<std::int32_t>(target);
    }
    if (result != value_) {
        setValue(result);
    }
}

void TRxCustomSlider::ComposeRuler(const QRect& area) {
    const QImage pattern = RulerPattern().convertToFormat(QImage::Format_RGB32);
    const bool horizontal = orientation_ == soHorizontal;
    const int length = std::max((horizontal ? area.width() : area.height()) - 2 * kInset, 0);
    rulerImage_ = horizontal ? QImage(length, pattern.height(), QImage::Format_RGB32)
                             : QImage(pattern.width(), length, QImage::Format_RGB32);
    rulerKey_ = DefaultKeyColour(RulerPattern());
    rulerImage_.fill(rulerKey_);  // whatever no piece covers stays transparent

    const int patternLength = horizontal ? pattern.width() : pattern.height();
    const int edge = edgeSize_;
    const int middle = patternLength - 2 * edge;
    // A pattern with no middle section (an image assigned after EdgeSize was set) cannot be
    // repeated: no ruler is drawn then.
    rulerDrawn_ = middle > 0 && length > 0;
    if (!rulerDrawn_) {
        return;
    }
    const int fill = length - 2 * edge;
    const int pieces = fill / middle + 1;
    const int rest = fill % middle;
    QPainter ruler(&rulerImage_);
    ruler.setCompositionMode(QPainter::CompositionMode_Source);
    for (int i = 0; i < pieces; ++i) {
        const int at = edge + i * middle;
        if (i == 0) {
            CopySection(ruler, pattern, horizontal, 0, patternLength - edge, 0);
        } else if (i < pieces - 1) {
            CopySection(ruler, pattern, horizontal, edge, edge + middle, at);
        } else {
            CopySection(ruler, pattern, horizontal, patternLength - edge - rest, patternLength, at);
        }
    }
}

void TRxCustomSlider::ArrangeParts() {
    const std::int32_t kept = value_;
    const QRect area = SliderArea();
    ComposeRuler(area);
    const QSize thumb = ThumbSize();
    const int rulerWidth = rulerImage_.width();
    const int rulerHeight = rulerImage_.height();
    const int left = area.x() + kInset;
    const int top = area.y() + kInset;
    if (orientation_ == soHorizontal) {
        int tickTop = 0;
        if (thumb.height() > rulerHeight) {
            thumbArea_ = QRect(QPoint(left, top), thumb);
            rulerOrigin_ = QPoint(left, top + (thumb.height() - rulerHeight) / 2);
            tickTop = top + thumb.height() + 1;
        } else {
            thumbArea_ = QRect(QPoint(left, top + (rulerHeight - thumb.height()) / 2), thumb);
            rulerOrigin_ = QPoint(left, top);
            tickTop = top + rulerHeight + 1;
        }
        const int tickBottom = EndY(area) - area.y() - 1;
        tickRowArea_ = QRect(rulerOrigin_.x(), tickTop, rulerWidth, tickBottom - tickTop);
    } else {
        int tickLeft = 0;
        if (thumb.width() > rulerWidth) {
            thumbArea_ = QRect(QPoint(left, top), thumb);
            rulerOrigin_ = QPoint(left + (thumb.width() - rulerWidth) / 2, top);
            tickLeft = left + thumb.width() + 1;
        } else {
            thumbArea_ = QRect(QPoint(left + (rulerWidth - thumb.width()) / 2, top), thumb);
            rulerOrigin_ = QPoint(left, top);
            tickLeft = left + rulerWidth + 1;
        }
        const int tickRight = EndX(area) - area.x() - 1;
        tickRowArea_ = QRect(tickLeft, rulerOrigin_.y(), tickRight - tickLeft, rulerHeight);
    }
    setValue(kept);
    update();
}

void TRxCustomSlider::resizeEvent(QResizeEvent* event) {
    ArrangeParts();
    QWidget::resizeEvent(event);
}

}  // namespace tavro
