// SPDX-License-Identifier: GPL-3.0-or-later
// Where the main window first appears on the screen: centred on the screen's available area, or,
// where it does not fit there (a small screen at a large scale), at that area's top left, so that
// its caption and menu bar can always be reached.
#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>

class QWidget;

namespace tavro {

// The top left of a window frame of `frameSize` in the screen area `available`.
QPoint FirstWindowPosition(const QSize& frameSize, const QRect& available);

// Moves `window`, sized to its contents, to its first position on its own screen.
void PlaceOnItsScreen(QWidget& window);

}  // namespace tavro
