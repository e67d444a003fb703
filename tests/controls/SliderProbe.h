// SPDX-License-Identifier: GPL-3.0-or-later
// Test helpers for the slider: a subclass that opens the protected operations and records its
// paint events, the Options dialog's configuration, and direct mouse and key events.
#pragma once

#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QRegion>
#include <QTimerEvent>
#include <vector>

#include "controls/RXSlider.h"

namespace tavro::test {

class SliderProbe : public TRxSlider {
public:
    using TRxCustomSlider::ApplyRange;
    using TRxCustomSlider::MoveThumbTo;
    using TRxCustomSlider::SliderArea;
    using TRxCustomSlider::SnapThumb;
    using TRxCustomSlider::StepValue;
    using TRxSlider::TRxSlider;

    std::vector<QRegion> paintedRegions;
    int timerTicks = 0;
    bool acceptsInput = true;

protected:
    bool AcceptsInput() const override { return acceptsInput; }
    void paintEvent(QPaintEvent* event) override {
        paintedRegions.push_back(event->region());
        TRxSlider::paintEvent(event);
    }
    void timerEvent(QTimerEvent* event) override {
        ++timerTicks;
        TRxSlider::timerEvent(event);
    }
};

// The delay slider of the Options dialog: 297 x 33, 0..2000 in steps of 50, EdgeSize 4,
// Options = soShowFocus | soShowPoints.
inline void ConfigureAsOptionsSlider(TRxCustomSlider& slider) {
    slider.resize(297, 33);
    slider.setMaxValue(2000);
    slider.setIncrement(50);
    slider.setEdgeSize(4);
    slider.setOptions(soShowFocus | soShowPoints);
}

inline void SendMouse(QWidget& widget, QEvent::Type type, QPoint at,
                      Qt::MouseButton button = Qt::LeftButton,
                      Qt::MouseButtons buttons = Qt::LeftButton) {
    QMouseEvent event(type, QPointF(at), QPointF(widget.mapToGlobal(at)), button, buttons,
                      Qt::NoModifier);
    QApplication::sendEvent(&widget, &event);
}

inline void Press(QWidget& w, QPoint at) {
    SendMouse(w, QEvent::MouseButtonPress, at);
}
inline void Drag(QWidget& w, QPoint at) {
    SendMouse(w, QEvent::MouseMove, at, Qt::NoButton);
}
inline void Release(QWidget& w, QPoint at) {
    SendMouse(w, QEvent::MouseButtonRelease, at, Qt::LeftButton, Qt::NoButton);
}
inline void Hover(QWidget& w, QPoint at) {
    SendMouse(w, QEvent::MouseMove, at, Qt::NoButton, Qt::NoButton);
}

inline void SendKey(QWidget& widget, int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    QKeyEvent event(QEvent::KeyPress, key, modifiers);
    QApplication::sendEvent(&widget, &event);
}

}  // namespace tavro::test
