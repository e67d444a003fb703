// SPDX-License-Identifier: GPL-3.0-or-later
// The application icon: two playing cards, one face down and one face up, drawn by code. The
// window icon offers it at 16, 32, 48 and 64 pixels and draws it afresh at whatever size a screen
// with more device pixels per pixel asks for, so it stays sharp there; the icon tool (tools/icons)
// draws the same picture at the sizes of the installed icon theme. Also the one desktop id of the
// program, which names its desktop entry, metainfo and icon files.
#pragma once

#include <QIcon>
#include <QImage>

namespace tavro {

// Must match TAVRO_APP_ID in CMakeLists.txt; the icon tool checks that at build time.
inline constexpr char kDesktopId[] = "org.example.tavro_memory.TavroMemory";

QIcon AppIcon();

// The icon drawn at size x size pixels on a transparent ground.
QImage DrawAppIcon(int size);

}  // namespace tavro
