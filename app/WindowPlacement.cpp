// SPDX-License-Identifier: GPL-3.0-or-later
// The main window's first position; see WindowPlacement.h.
#include "app/WindowPlacement.h"

#include <QScreen>
#include <QWidget>

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

}  // namespace tavro
