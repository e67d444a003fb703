// SPDX-License-Identifier: GPL-3.0-or-later
// The main window's first position; see WindowPlacement.h.
#include "app/WindowPlacement.h"

#include <QScreen>
#include <QWidget>
#include <algorithm>

namespace tavro {

QPoint FirstWindowPosition(const QSize& frameSize, const QRect& available) {
    // Centred, a window larger than the area would start above or left of it, with its caption
    // and menu bar out of reach.
    if (frameSize.width() > available.width() || frameSize.height() > available.height()) {
        return available.topLeft();
    }
    QRect frame(QPoint(0, 0), frameSize);
    frame.moveCenter(available.center());
    return frame.topLeft();
}

void PlaceOnItsScreen(QWidget& window) {
    window.adjustSize();
    if (const QScreen* screen = window.screen()) {
        window.move(
            FirstWindowPosition(window.frameGeometry().size(), screen->availableGeometry()));
    }
}

QPoint KeptWithin(const QRect& frame, const QRect& available) {
    QPoint topLeft = frame.topLeft();
    topLeft.setX(
        std::max(available.left(), std::min(topLeft.x(), available.right() + 1 - frame.width())));
    topLeft.setY(
        std::max(available.top(), std::min(topLeft.y(), available.bottom() + 1 - frame.height())));
    return topLeft;
}

void KeepOnItsScreen(QWidget& window) {
    if (const QScreen* screen = window.screen()) {
        const QRect frame = window.frameGeometry();
        const QPoint kept = KeptWithin(frame, screen->availableGeometry());
        if (kept != frame.topLeft()) {
            window.move(kept);
        }
    }
}

}  // namespace tavro
