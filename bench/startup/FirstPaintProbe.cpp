// SPDX-License-Identifier: GPL-3.0-or-later
// The start-up timing hook: an event filter on the window that quits the event loop once the
// window has been painted for the first time. The window and its children paint in one pass
// and are flushed to the screen right after, so a quit posted from the paint ends the run as
// soon as the board is on screen.
#include "bench/startup/FirstPaintProbe.h"

#include <QCoreApplication>
#include <QEvent>
#include <QTimer>
#include <QWidget>

namespace tavro {
namespace {

class FirstPaintQuitter : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint && !done_) {
            done_ = true;
            // exit(), unlike quit(), closes no window, so nothing is saved.
            QTimer::singleShot(0, qApp, [] { QCoreApplication::exit(0); });
        }
        return QObject::eventFilter(watched, event);
    }

private:
    bool done_ = false;
};

}  // namespace

void QuitAfterFirstPaint(QWidget& window) {
    // The last child is painted last; its paint means the whole board is drawn.
    QWidget* target = &window;
    const auto children = window.findChildren<QWidget*>(QStringLiteral("Image36"));
    if (!children.isEmpty()) {
        target = children.first();
    }
    target->installEventFilter(new FirstPaintQuitter(&window));
}

}  // namespace tavro
