// TRxCustomSlider: painting (double-buffered, in seven steps) and the row of tick marks.
#include <QPaintEvent>
#include <QPainter>
#include <QStyle>
#include <QStyleOptionFocusRect>
#include <algorithm>
#include <cmath>

#include "controls/RXSlider.h"
#include "controls/TransparentDraw.h"

namespace tavro {

namespace {

// Draws the 1-pixel 3-D frame on the rectangle: top and left in one colour, bottom and right in
// the other.
void DrawBevel(QPainter& painter, const QRect& frame, const QColor& topLeft,
               const QColor& bottomRight) {
    painter.setPen(topLeft);
    painter.drawLine(frame.topLeft(), frame.topRight());
    painter.drawLine(frame.topLeft(), frame.bottomLeft());
    painter.setPen(bottomRight);
    painter.drawLine(frame.bottomLeft(), frame.bottomRight());
    painter.drawLine(frame.topRight(), frame.bottomRight());
}

}  // namespace

void TRxCustomSlider::paintEvent(QPaintEvent* event) {
    // The control is drawn into an off-screen image and copied to the screen in one operation,
    // so that a moving thumb never shows the background between frames. Only the parts that
    // touch the region asked for are drawn (a thumb move asks for two small rectangles).
    const qreal ratio = devicePixelRatioF();
    const QSize pixels = size() * ratio;
    if (offscreen_.size() != pixels || offscreen_.devicePixelRatio() != ratio) {
        offscreen_ = QImage(pixels, QImage::Format_ARGB32_Premultiplied);
        offscreen_.setDevicePixelRatio(ratio);
    }
    const QRegion region = event->region();
    {
        QPainter painter(&offscreen_);
        painter.setClipRegion(region);
        canvas_ = &painter;
        PaintSlider(painter, region);
        canvas_ = nullptr;
    }
    QPainter screen(this);
    screen.drawImage(0, 0, offscreen_);
}

void TRxCustomSlider::PaintSlider(QPainter& painter, const QRegion& region) {
    const QPoint thumbPoint = thumbArea_.topLeft();

    QRect client = rect();
    if (bevelStyle_ != bvNone) {
        const QColor shadow = palette().color(QPalette::Dark);
        const QColor light = palette().color(QPalette::Light);
        if (bevelStyle_ == bvLowered) {
            DrawBevel(painter, client, shadow, light);
        } else {
            DrawBevel(painter, client, light, shadow);
        }
        client.adjust(1, 1, -1, -1);
    }
    painter.fillRect(client, palette().color(backgroundRole()));

    const QRect ruler(rulerOrigin_, rulerImage_.size());
    if (rulerImage_.width() > 0 && rulerDrawn_ && region.intersects(ruler)) {
        DrawKeyed(painter, rulerOrigin_, rulerImage_, !(options_ & soRulerOpaque),
                  QColor(rulerKey_));
    }

    const QRect focusFrame = SliderArea().adjusted(2, 2, -2, -2);
    // The style's frame is a line or two wide: regions inside it need no frame drawn.
    const QRegion focusBand = QRegion(focusFrame) - QRegion(focusFrame.adjusted(3, 3, -3, -3));
    if ((options_ & soShowFocus) && hasFocus_ && region.intersects(focusBand)) {
        QStyleOptionFocusRect focus;
        focus.initFrom(this);
        // Shown whenever the control has the focus, not only after keyboard navigation.
        focus.state |= QStyle::State_HasFocus | QStyle::State_KeyboardFocusChange;
        focus.rect = focusFrame;
        focus.backgroundColor = palette().color(backgroundRole());
        style()->drawPrimitive(QStyle::PE_FrameFocusRect, &focus, &painter, this);
    }

    if (options_ & soShowPoints) {
        if (onDrawPoints_) {
            onDrawPoints_(this);
        } else {
            DrawTicks(painter, increment_, 3, 5);
        }
    }

    const QImage& thumb = ThumbImage();
    const bool highlighted = thumbHeld_ || !isEnabled();
    const QSize part = ThumbSize();
    const QRect source = numThumbStates_ == 2 && highlighted ? QRect(QPoint(part.width(), 0), part)
                                                             : QRect(QPoint(0, 0), part);
    if (!part.isEmpty() && region.intersects(thumbArea_)) {
        DrawKeyedPart(painter, thumbPoint, thumb, source, !(options_ & soThumbOpaque));
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

    painter.save();
    painter.setPen(QPen(palette().color(QPalette::WindowText), 0));
    painter.setRenderHint(QPainter::Antialiasing, false);
    const QSize thumb = ThumbSize();
    double v = minValue_;
    for (std::int64_t i = 1; i <= count; ++i) {
        if (i == count) {
            v = maxValue_;
        }
        const auto value = static_cast<std::int32_t>(v);
        const int size = value == maxValue_ || value == minValue_ ? endLength : length;
        const int offset = OffsetForValue(value);
        if (size > 0) {
            if (orientation_ == soHorizontal) {
                const int x = offset + thumb.width() / 2;
                const int top = tickRowArea_.y();
                painter.drawLine(x, top, x, top + size - 1);
            } else {
                const int y = offset + thumb.height() / 2;
                const int left = tickRowArea_.x();
                painter.drawLine(left, y, left + size - 1, y);
            }
        }
        v += static_cast<double>(step) * scale;
    }
    painter.restore();
}

}  // namespace tavro
