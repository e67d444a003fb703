// SPDX-License-Identifier: GPL-3.0-or-later
// The start-up timing hook: an event filter on the window that quits the event loop once the
// window has been painted for the first time. The window and its children paint in one pass
// and are flushed to the screen right after, so a quit posted from the paint ends the run as
// soon as the board is on screen.
#include "bench/startup/FirstPaintProbe.h"

#include <QCoreApplication>
#include <QEvent>
#include <QFile>
#include <QTimer>
#include <QWidget>
#include <utility>

namespace tavro {
namespace {

class FirstPaintQuitter : public QObject {
public:
    FirstPaintQuitter(QObject* parent, QString mapsFile)
        : QObject(parent), mapsFile_(std::move(mapsFile)) {}

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint && !done_) {
            done_ = true;
            if (!mapsFile_.isEmpty()) {
                QFile::remove(mapsFile_);
                QFile::copy(QStringLiteral("/proc/self/maps"), mapsFile_);
            }
            // exit(), unlike quit(), closes no window, so nothing is saved.
            QTimer::singleShot(0, qApp, [] { QCoreApplication::exit(0); });
        }
        return QObject::eventFilter(watched, event);
    }

private:
    QString mapsFile_;
    bool done_ = false;
};

}  // namespace

void QuitAfterFirstPaint(QWidget& window, const QString& mapsFile) {
    // The last child is painted last; its paint means the whole board is drawn.
    QWidget* target = &window;
    const auto children = window.findChildren<QWidget*>(QStringLiteral("Image36"));
    if (!children.isEmpty()) {
        target = children.first();
    }
    target->installEventFilter(new FirstPaintQuitter(&window, mapsFile));
}

}  // namespace tavro
