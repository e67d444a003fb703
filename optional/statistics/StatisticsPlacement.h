// SPDX-License-Identifier: GPL-3.0-or-later
// Where the statistics window opens: beside the game, on the game's screen, so that the board
// and the figures can be seen together. Right of the game when there is room on that screen,
// else left of it, else as near as fits within the screen's available area.
#pragma once

#include <QList>
#include <QPoint>
#include <QRect>
#include <QSize>

class QWidget;

namespace tavro {

// The top left of a window frame of `frameSize` beside the game's frame `game`, on the screen
// (of the screens' available areas `screens`) that holds the most of the game.
QPoint BesideTheGame(const QSize& frameSize, const QRect& game, const QList<QRect>& screens);

// Moves `window` (a window not shown yet, or shown) beside `game` on the game's screen.
void PlaceBesideTheGame(QWidget& window, const QWidget& game);

}  // namespace tavro
