// SPDX-License-Identifier: GPL-3.0-or-later
// TRxCustomSlider: the keyboard, the mouse (thumb drag and repeating ruler presses), the hand
// cursor over the thumb, and the focus and enabled changes.
//
// Qt grabs the mouse for the pressed widget by itself until the last button is released, which
// is the capture a drag or a ruler press needs.
#include <QFocusEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QTimerEvent>

#include "controls/RXSlider.h"
#include "controls/SliderResources.h"

namespace tavro {

namespace {

constexpr int kRepeatMs = 400;   // the period of a held ruler press
constexpr int kPressMargin = 3;  // a ruler press counts this far beside the ruler
constexpr Qt::KeyboardModifiers kStepBlockers =
    Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier;

}  // namespace

bool TRxCustomSlider::KeyStep(const QKeyEvent* event, TSliderStep* step) const {
    if (event->modifiers() & kStepBlockers) {
        return false;
    }
    const bool horizontal = orientation_ == soHorizontal;
    switch (event->key()) {
        case Qt::Key_Home:
            *step = stToMin;
            return true;
        case Qt::Key_End:
            *step = stToMax;
            return true;
        case Qt::Key_Left:
            *step = stDown;
            return horizontal;
        case Qt::Key_Right:
            *step = stUp;
            return horizontal;
        case Qt::Key_Up:
            *step = stUp;
            return !horizontal;
        case Qt::Key_Down:
            *step = stDown;
            return !horizontal;
        default:
            return false;
    }
}

bool TRxCustomSlider::event(QEvent* event) {
    // The keys the slider steps with are claimed before shortcuts and the dialog see them, so
    // that inside a dialog the arrow keys move the thumb instead of the focus.
    if (event->type() == QEvent::ShortcutOverride) {
        TSliderStep step = stNone;
        if (KeyStep(static_cast<QKeyEvent*>(event), &step) && AcceptsInput()) {
            event->accept();
            return true;
        }
    }
    return QWidget::event(event);
}

void TRxCustomSlider::keyPressEvent(QKeyEvent* event) {
    TSliderStep step = stNone;
    if (KeyStep(event, &step) && AcceptsInput()) {
        event->accept();
        StepValue(step);
        NotifyChanged();
        return;
    }
    QWidget::keyPressEvent(event);
}

bool TRxCustomSlider::InThumb(const QPoint& p) const {
    // The right and bottom edges (one past the last pixel) count as inside.
    return p.x() >= thumbArea_.x() && p.x() <= thumbArea_.x() + thumbArea_.width() &&
           p.y() >= thumbArea_.y() && p.y() <= thumbArea_.y() + thumbArea_.height();
}

bool TRxCustomSlider::InRulerPressZone(const QPoint& p) const {
    QRect zone(rulerOrigin_, rulerImage_.size());
    if (orientation_ == soHorizontal) {
        zone.adjust(0, -kPressMargin, 0, kPressMargin);
    } else {
        zone.adjust(-kPressMargin, 0, kPressMargin, 0);
    }
    return p.x() >= zone.x() && p.x() <= zone.x() + zone.width() && p.y() >= zone.y() &&
           p.y() <= zone.y() + zone.height();
}

TSliderStep TRxCustomSlider::SideOfThumb(const QPoint& p) const {
    if (orientation_ == soHorizontal) {
        if (p.x() < thumbArea_.x()) {
            return stDown;
        }
        return p.x() > thumbArea_.x() + thumbArea_.width() ? stUp : stNone;
    }
    if (p.y() < thumbArea_.y()) {
        return stUp;
    }
    return p.y() > thumbArea_.y() + thumbArea_.height() ? stDown : stNone;
}

void TRxCustomSlider::mousePressEvent(QMouseEvent* event) {
    event->accept();
    if (event->button() != Qt::LeftButton) {
        return;
    }
    const QPoint p = event->position().toPoint();
    if (focusPolicy() & Qt::ClickFocus) {
        setFocus(Qt::MouseFocusReason);
    }
    if (InThumb(p)) {
        ThumbPress(event->button(), event->modifiers(), p.x(), p.y());
        return;
    }
    if (InRulerPressZone(p) && AcceptsInput()) {
        rulerPressActive_ = true;
        pointerPos_ = p;
        pressSide_ = SideOfThumb(p);
        RepeatStep();
    }
}

void TRxCustomSlider::mouseDoubleClickEvent(QMouseEvent* event) {
    event->accept();  // the second press of a double click does nothing
}

void TRxCustomSlider::mouseMoveEvent(QMouseEvent* event) {
    event->accept();
    const QPoint p = event->position().toPoint();
    ShowCursorFor(p);
    if ((event->buttons() & Qt::LeftButton) && dragging_) {
        ThumbDrag(event->modifiers(), p.x(), p.y());
    } else if (rulerPressActive_) {
        pointerPos_ = p;
    }
}

void TRxCustomSlider::mouseReleaseEvent(QMouseEvent* event) {
    event->accept();
    if (rulerPressActive_) {
        EndRulerPress(true);
    }
    if (dragging_) {
        const QPoint p = event->position().toPoint();
        ThumbRelease(event->button(), event->modifiers(), p.x(), p.y());
    }
}

void TRxCustomSlider::leaveEvent(QEvent* event) {
    RestoreCursor();
    QWidget::leaveEvent(event);
}

void TRxCustomSlider::timerEvent(QTimerEvent* event) {
    if (event->timerId() == repeatTimer_.timerId()) {
        RepeatStep();
        return;
    }
    QWidget::timerEvent(event);
}

void TRxCustomSlider::RepeatStep() {
    if (SideOfThumb(pointerPos_) != pressSide_) {
        return;  // the thumb has reached the pointer, or the pointer went to the other side
    }
    StepValue(pressSide_);
    if (!repeatTimer_.isActive()) {
        repeatTimer_.start(kRepeatMs, this);
    }
}

void TRxCustomSlider::EndRulerPress(bool notify) {
    repeatTimer_.stop();
    rulerPressActive_ = false;
    if (notify) {
        NotifyChanged();
    }
}

void TRxCustomSlider::ThumbPress(Qt::MouseButton button, Qt::KeyboardModifiers /*shift*/, int x,
                                 int y) {
    if (focusPolicy() & Qt::ClickFocus) {
        setFocus(Qt::MouseFocusReason);
    }
    if (button != Qt::LeftButton || !AcceptsInput()) {
        return;
    }
    dragging_ = true;
    thumbHeld_ = true;
    grabOffset_ = orientation_ == soHorizontal ? x - thumbArea_.x() : y - thumbArea_.y();
    UpdateThumb();
}

void TRxCustomSlider::ThumbDrag(Qt::KeyboardModifiers /*shift*/, int x, int y) {
    if (AcceptsInput()) {
        MoveThumbTo(orientation_ == soHorizontal ? x - grabOffset_ : y - grabOffset_);
    }
}

void TRxCustomSlider::ThumbRelease(Qt::MouseButton button, Qt::KeyboardModifiers /*shift*/,
                                   int /*x*/, int /*y*/) {
    if (button != Qt::LeftButton) {
        return;
    }
    dragging_ = false;
    thumbHeld_ = false;
    UpdateThumb();
    if (AcceptsInput()) {
        NotifyChanged();
    }
}

void TRxCustomSlider::UpdateThumb() {
    update(ThumbRepaintArea());
}

void TRxCustomSlider::ShowCursorFor(const QPoint& p) {
    if (!InThumb(p)) {
        RestoreCursor();
        return;
    }
    if (!handCursorShown_) {
        hadOwnCursor_ = testAttribute(Qt::WA_SetCursor);
        ownCursor_ = cursor();
        handCursorShown_ = true;
        setCursor(ProgramCursor(kHandCursor));
    }
}

void TRxCustomSlider::RestoreCursor() {
    if (!handCursorShown_) {
        return;
    }
    handCursorShown_ = false;
    if (hadOwnCursor_) {
        setCursor(ownCursor_);
    } else {
        unsetCursor();
    }
}

void TRxCustomSlider::focusInEvent(QFocusEvent* /*event*/) {
    if (!hasFocus_) {
        hasFocus_ = true;
        if (options_ & soShowFocus) {
            update();
        }
    }
}

void TRxCustomSlider::focusOutEvent(QFocusEvent* /*event*/) {
    if (hasFocus_) {
        hasFocus_ = false;
        if (options_ & soShowFocus) {
            update();
        }
    }
}

void TRxCustomSlider::changeEvent(QEvent* event) {
    if (event->type() == QEvent::EnabledChange) {
        if (!isEnabled()) {
            // A disabled slider takes no input: a press in progress ends without a notice, so
            // that a held ruler press stops stepping.
            if (rulerPressActive_) {
                EndRulerPress(false);
            }
            dragging_ = false;
            thumbHeld_ = false;
        }
        UpdateThumb();
    }
    QWidget::changeEvent(event);
}

}  // namespace tavro
