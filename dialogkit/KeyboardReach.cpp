// SPDX-License-Identifier: GPL-3.0-or-later
// Keyboard reach for speed buttons: an event filter that presses a focused button on Enter, on
// top of the Tab focus and the Space key every button already understands.
#include "dialogkit/KeyboardReach.h"

#include <QKeyEvent>
#include <QToolButton>

namespace tavro {
namespace {

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
}

}  // namespace tavro
