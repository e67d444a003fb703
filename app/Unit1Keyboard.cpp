// SPDX-License-Identifier: GPL-3.0-or-later
// Playing the board from the keyboard. The cursor ring appears with the first arrow key (until
// then the board looks exactly as it does to a mouse player); the arrow keys move it, stopping at
// the edges, and Space or Enter turn its card through the same handler as a click on it.
#include <QKeyEvent>
#include <algorithm>

#include "app/Unit1.h"
#include "controls/PictureBox.h"

namespace tavro {

void TForm1::keyPressEvent(QKeyEvent* event) {
    if ((event->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)) != 0) {
        QMainWindow::keyPressEvent(event);
        return;
    }
    switch (event->key()) {
        case Qt::Key_Left:
            MoveCursor(0, -1);
            break;
        case Qt::Key_Right:
            MoveCursor(0, 1);
            break;
        case Qt::Key_Up:
            MoveCursor(-1, 0);
            break;
        case Qt::Key_Down:
            MoveCursor(1, 0);
            break;
        case Qt::Key_Space:
        case Qt::Key_Return:
        case Qt::Key_Enter:
            if (cursorTile_ != 0) {  // before the first arrow key there is no card to turn
                ImageClick(cursorTile_);
            }
            break;
        default:
            QMainWindow::keyPressEvent(event);
            return;
    }
    event->accept();
}

void TForm1::MoveCursor(int rowStep, int columnStep) {
    int tile = 1;  // the first key shows the ring on the top left card
    if (cursorTile_ != 0) {
        const int row = std::clamp((cursorTile_ - 1) / kBoardSide + rowStep, 0, kBoardSide - 1);
        const int column =
            std::clamp((cursorTile_ - 1) % kBoardSide + columnStep, 0, kBoardSide - 1);
        tile = row * kBoardSide + column + 1;
        Image(cursorTile_)->setCursorRingShown(false);
    }
    cursorTile_ = tile;
    Image(tile)->setCursorRingShown(true);
    // The focus follows the ring, so that a screen reader reads the card under it. The keys
    // still reach this window: the picture passes them on.
    Image(tile)->setFocus(Qt::OtherFocusReason);
}

}  // namespace tavro
