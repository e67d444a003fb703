// SPDX-License-Identifier: GPL-3.0-or-later
// The start-up benchmark's exit hook (bench/startup): quits the program as soon as the board has
// been painted once, without saving anything. It is compiled only into the benchmark's own build
// of the game (FirstPaintMain.cpp), never into TavroMemory itself.
#pragma once

#include <QString>

class QWidget;

namespace tavro {

// Watches the window's last-painted child; call before the window is shown. With `mapsFile`, the
// process's memory map (/proc/self/maps) is copied there at the first paint, before quitting:
// what the game has loaded by the time its board is on screen.
void QuitAfterFirstPaint(QWidget& window, const QString& mapsFile = QString());

}  // namespace tavro
