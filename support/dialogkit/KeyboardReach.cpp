// SPDX-License-Identifier: GPL-3.0-or-later
// Keyboard reach for speed buttons: an event filter that presses a focused button on Enter, on
// top of the Tab focus and the Space key every button already understands.
#include "dialogkit/KeyboardReach.h"

#include <QKeyEvent>
#include <QPainter>
#include <QToolButton>

#include "dialogkit/DialogLook.h"

namespace tavro {
namespace {

constexpr int kMarkWidth = 2;

// Whether a focus change came from the keyboard's navigation keys, as opposed to a click, a
// window's showing or the program itself.
bool MovedByKey(Qt::FocusReason reason) {
    return reason == Qt::TabFocusReason || reason == Qt::BacktabFocusReason ||
           reason == Qt::ShortcutFocusReason;
}

// A 2-pixel frame around the control while it has a focus moved there by key, in black or white,
// whichever stands out more from the control's background (the style's own focus frame is a thin
// line in a pale colour). Transparent and empty otherwise, so the control looks as designed to a
// mouse player. A child of the control, it is drawn over whatever the control draws, up to its
// edges.
class FocusMark : public QWidget {
public:
    FocusMark(QWidget* control, int rightInset)
        : QWidget(control), control_(control), rightInset_(rightInset) {
        setAttribute(Qt::WA_TransparentForMouseEvents);
        setFocusPolicy(Qt::NoFocus);
        setGeometry(control->rect());
        control->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched == control_) {
            if (event->type() == QEvent::FocusIn) {
                shown_ = MovedByKey(static_cast<QFocusEvent*>(event)->reason());
                update();
            } else if (event->type() == QEvent::FocusOut) {
                shown_ = false;
                update();
            } else if (event->type() == QEvent::Resize) {
                setGeometry(control_->rect());
            }
        }
        return false;
    }
    void paintEvent(QPaintEvent* /*event*/) override {
        if (!shown_ || !control_->hasFocus()) {
            return;
        }
        const QColor behind = control_->palette().color(control_->backgroundRole());
        const QColor ink = RelativeLuminance(behind) > 0.18 ? Qt::black : Qt::white;
        QPainter painter(this);
        painter.setPen(QPen(ink, kMarkWidth, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
        painter.drawRect(QRectF(rect()).adjusted(1, 1, -1 - rightInset_, -1));
    }

private:
    QWidget* control_;
    int rightInset_;
    bool shown_ = false;
};

class EnterPresses : public QObject {
public:
    explicit EnterPresses(QToolButton* button) : QObject(button), button_(button) {}

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched == button_ && event->type() == QEvent::KeyPress) {
            const auto* key = static_cast<QKeyEvent*>(event);
            if ((key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) &&
                key->modifiers() == Qt::NoModifier) {
                button_->click();
                return true;
            }
        }
        return QObject::eventFilter(watched, event);
    }

private:
    QToolButton* button_;
};

}  // namespace

void ReachByKeyboard(QToolButton* button) {
    // Tab focus only: a click leaves the focus where it was, as the flat buttons always did.
    button->setFocusPolicy(Qt::TabFocus);
    button->installEventFilter(new EnterPresses(button));
    MarkFocus(button);
}

void MarkFocus(QWidget* control, int rightInset) {
    new FocusMark(control, rightInset);
}

}  // namespace tavro
