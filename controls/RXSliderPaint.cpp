// SPDX-License-Identifier: GPL-3.0-or-later
// TRxCustomSlider: painting (double-buffered, in seven steps) and the row of tick marks.
//
// The control is pixel art, so it is painted in device pixels: on a scaled screen every logical
// coordinate goes to the device pixel nearest to it, and the pictures are enlarged by nearest
// neighbour to a size of whole device pixels that stays the same wherever they are drawn. At a
// whole-number scale each picture pixel becomes an exact square. Between whole numbers (1.5, say)
// each picture pixel becomes one or two device pixels, in a pattern fixed for the picture, so the
// thumb keeps its shape as it moves instead of changing with the fraction of a device pixel it
// starts at. The tick marks are spaced evenly over the thumb's travel in device pixels. At scale 1
// all of this is the plain drawing of the pictures and lines at their logical places.
#include <QPaintEvent>
#include <QPainter>
#include <algorithm>
#include <cmath>

#include "controls/RXSlider.h"
#include "controls/TransparentDraw.h"

namespace tavro {

namespace {

// The device pixel edge nearest to a logical coordinate.
int ToDevice(int logical, qreal ratio) {
    return static_cast<int>(std::floor(logical * ratio + 0.5));
}

// The device pixels of a logical rectangle: its edges moved to the nearest device pixel edges.
QRect ToDevice(const QRect& r, qreal ratio) {
    const int left = ToDevice(r.x(), ratio);
    const int top = ToDevice(r.y(), ratio);
    return {left, top, ToDevice(r.x() + r.width(), ratio) - left,
            ToDevice(r.y() + r.height(), ratio) - top};
}

// The size a picture (or a line's length) is drawn at: the same wherever it stands.
int ScaledLength(int length, qreal ratio) {
    return static_cast<int>(std::floor(length * ratio + 0.5));
}

// The device pixels a logical region touches, with one more all round at a scale between whole
// numbers, so that the clip covers whatever the screen copy takes for the region.
QRegion ToDevice(const QRegion& region, qreal ratio) {
    if (ratio == 1.0) {
        return region;
    }
    const int margin = ratio == std::floor(ratio) ? 0 : 1;
    QRegion result;
    for (const QRect& r : region) {
        const int left = static_cast<int>(std::floor(r.x() * ratio)) - margin;
        const int top = static_cast<int>(std::floor(r.y() * ratio)) - margin;
        const int right = static_cast<int>(std::ceil((r.x() + r.width()) * ratio)) + margin;
        const int bottom = static_cast<int>(std::ceil((r.y() + r.height()) * ratio)) + margin;
        result += QRect(left, top, right - left, bottom - top);
    }
    return result;
}

// A dotted outline of the size, every other pixel set, as the classic focus rectangle: plain
// pixels that look the same whichever part of the control a paint covers.
QImage DottedOutline(const QSize& size, const QColor& ink) {
    QImage outline(size, QImage::Format_ARGB32_Premultiplied);
    outline.fill(Qt::transparent);
    const QRgb dot = ink.rgba();
    const int right = size.width() - 1;
    const int bottom = size.height() - 1;
    auto set = [&](int x, int y) {
        if ((x + y) % 2 == 0) {
            outline.setPixel(x, y, dot);
        }
    };
    for (int x = 0; x <= right; ++x) {
        set(x, 0);
        set(x, bottom);
    }
    for (int y = 0; y <= bottom; ++y) {
        set(0, y);
        set(right, y);
    }
    return outline;
}

}  // namespace

void TRxCustomSlider::paintEvent(QPaintEvent* event) {
    // The control is drawn into an off-screen image and copied to the screen in one operation,
    // so that a moving thumb never shows the background between frames. Only the parts that
    // touch the region asked for are drawn (a thumb move asks for two small rectangles).
    const qreal ratio = devicePixelRatioF();
    const QSize pixels = size() * ratio;
    if (offscreen_.size() != pixels) {
        offscreen_ = QImage(pixels, QImage::Format_ARGB32_Premultiplied);
    }
    offscreen_.setDevicePixelRatio(1.0);  // painted in device pixels, see above
    paintRatio_ = ratio;
    const QRegion clip = ToDevice(event->region(), ratio);
    {
        QPainter painter(&offscreen_);
        painter.setClipRegion(clip);
        canvas_ = &painter;
        PaintSlider(painter, clip);
        canvas_ = nullptr;
    }
    offscreen_.setDevicePixelRatio(ratio);
    QPainter screen(this);
    screen.drawImage(0, 0, offscreen_);
}

QRect TRxCustomSlider::ThumbRepaintArea() const {
    // Between whole-number scales the thumb's device pixels can reach one past its rectangle's.
    const qreal ratio = devicePixelRatioF();
    return ratio == std::floor(ratio) ? thumbArea_ : thumbArea_.adjusted(-1, -1, 1, 1);
}

void TRxCustomSlider::PaintSlider(QPainter& painter, const QRegion& clip) {
    const qreal ratio = paintRatio_;
    const QPoint thumbPoint = thumbArea_.topLeft();

    QRect client = rect();
    if (bevelStyle_ != bvNone) {
        QColor topLeft = palette().color(QPalette::Dark);
        QColor bottomRight = palette().color(QPalette::Light);
        if (bevelStyle_ != bvLowered) {
            std::swap(topLeft, bottomRight);
        }
        const int w = client.width();
        const int h = client.height();
        painter.fillRect(ToDevice(QRect(0, 0, w, 1), ratio), topLeft);
        painter.fillRect(ToDevice(QRect(0, 0, 1, h), ratio), topLeft);
        painter.fillRect(ToDevice(QRect(0, h - 1, w, 1), ratio), bottomRight);
        painter.fillRect(ToDevice(QRect(w - 1, 0, 1, h), ratio), bottomRight);
        client.adjust(1, 1, -1, -1);
    }
    painter.fillRect(ToDevice(client, ratio), palette().color(backgroundRole()));

    const QRect ruler = ToDevice(QRect(rulerOrigin_, rulerImage_.size()), ratio);
    if (rulerImage_.width() > 0 && rulerDrawn_ && clip.intersects(ruler)) {
        DrawKeyedStretched(painter, ruler, rulerImage_, rulerImage_.rect(),
                           !(options_ & soRulerOpaque), QColor(rulerKey_));
    }

    // The focus rectangle: a dotted outline of the control's own, not the style's frame. Some
    // styles fill their frame with a tint, which a repaint of the thumb alone would wipe out.
    const QRect focusFrame = SliderArea().adjusted(2, 2, -2, -2);
    if ((options_ & soShowFocus) && hasFocus_ && !focusFrame.isEmpty()) {
        const QColor ink = palette().color(QPalette::WindowText);
        if (focusOutline_.size() != focusFrame.size() || focusInk_ != ink.rgba()) {
            focusOutline_ = DottedOutline(focusFrame.size(), ink);
            focusInk_ = ink.rgba();
        }
        const QRect device = ToDevice(focusFrame, ratio);
        const int thickness = std::max(1, ScaledLength(1, ratio));
        const QRegion lines = QRegion(device) - QRegion(device.adjusted(thickness, thickness,
                                                                        -thickness, -thickness));
        if (clip.intersects(lines)) {
            painter.save();
            painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
            painter.drawImage(device, focusOutline_);
            painter.restore();
        }
    }

    if (options_ & soShowPoints) {
        if (onDrawPoints_) {
            // The handler draws in the control's own coordinates.
            painter.save();
            painter.scale(ratio, ratio);
            onDrawPoints_(this);
            painter.restore();
        } else {
            DrawTicks(painter, increment_, 3, 5);
        }
    }

    const QImage& thumb = ThumbImage();
    const bool highlighted = thumbHeld_ || !isEnabled();
    const QSize part = ThumbSize();
    const QRect source = numThumbStates_ == 2 && highlighted ? QRect(QPoint(part.width(), 0), part)
                                                             : QRect(QPoint(0, 0), part);
    const QRect target(ToDevice(thumbPoint.x(), ratio), ToDevice(thumbPoint.y(), ratio),
                       ScaledLength(part.width(), ratio), ScaledLength(part.height(), ratio));
    if (!part.isEmpty() && clip.intersects(target)) {
        DrawKeyedStretched(painter, target, thumb, source, !(options_ & soThumbOpaque));
    }
}

void TRxCustomSlider::DrawTicksDefault(int step, int length, int endLength) {
    if (canvas_ != nullptr) {
        DrawTicks(*canvas_, step, length, endLength);
    }
}

void TRxCustomSlider::DrawTicks(QPainter& painter, int step, int length, int endLength) const {
    const int travel = TravelLength();
    if (travel <= 0 || step < 1) {
        return;  // no room for a row of marks
    }
    const double range = static_cast<double>(maxValue_) - minValue_;
    // The scale grows until the marks are at least 4 pixels apart. Every scale below
    // range / (step * (travel div 4 + 0.5)) leaves them closer, so the search may start just
    // under that bound instead of at 1 (a wide range with a small step would take millions of
    // rounds otherwise); the result is the same.
    const double lowerBound = range / (static_cast<double>(step) * (travel / 4 + 0.5));
    double scale = std::max(std::floor(lowerBound) - 2.0, 0.0);
    std::int64_t count = 0;
    for (;;) {
        scale += 1;
        count = static_cast<std::int64_t>(std::nearbyint(range / (scale * step))) + 1;
        const std::int64_t spacing = count > 1 ? travel / (count - 1) : travel;
        if (spacing >= 4 || spacing >= travel) {
            break;
        }
    }

    // The marks are placed in device pixels, evenly over the thumb's travel there; at scale 1
    // this is OffsetForValue(v) + half the thumb.
    const qreal ratio = paintRatio_;
    const bool horizontal = orientation_ == soHorizontal;
    const QSize thumb = ThumbSize();
    const int start = ToDevice(OffsetForValue(minValue_), ratio);
    const int deviceTravel = ToDevice(OffsetForValue(maxValue_), ratio) - start;
    const int middle = ScaledLength(horizontal ? thumb.width() / 2 : thumb.height() / 2, ratio);
    const int row = ToDevice(horizontal ? tickRowArea_.y() : tickRowArea_.x(), ratio);
    const int thickness = std::max(1, ScaledLength(1, ratio));

    painter.save();
    painter.resetTransform();  // device pixels, also when called from an OnDrawPoints handler
    const QColor ink = palette().color(QPalette::WindowText);
    double v = minValue_;
    for (std::int64_t i = 1; i <= count; ++i) {
        if (i == count) {
            v = maxValue_;
        }
        const auto value = static_cast<std::int32_t>(v);
        const int size = value == maxValue_ || value == minValue_ ? endLength : length;
        const int at = start + middle +
                       static_cast<int>(std::nearbyint((static_cast<double>(value) - minValue_) /
                                                       range * deviceTravel));
        if (size > 0) {
            const int deviceSize = ScaledLength(size, ratio);
            if (horizontal) {
                painter.fillRect(at, row, thickness, deviceSize, ink);
            } else {
                painter.fillRect(row, at, deviceSize, thickness, ink);
            }
        }
        v += static_cast<double>(step) * scale;
    }
    painter.restore();
}

}  // namespace tavro
