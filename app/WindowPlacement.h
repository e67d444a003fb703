// SPDX-License-Identifier: GPL-3.0-or-later
// Where the main window first appears on the screen: centred on the screen's available area, or,
// where it does not fit there (a small screen at a large scale), at that area's top left, so that
// its caption and menu bar can always be reached. A window grown to a larger card size is moved
// back within that area.
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
// The top left that brings a window frame at `frame` within `available` by the shortest move
// (its top left where it is larger than the area).
QPoint KeptWithin(const QRect& frame, const QRect& available);
// Moves the shown `window`, whose size has changed, back within its screen's available area.
void KeepOnItsScreen(QWidget& window);

}  // namespace tavro
