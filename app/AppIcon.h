// The application icon: two playing cards, one face down and one face up, drawn by code at
// 16, 32, 48 and 64 pixels, and at whatever size a screen with more device pixels per pixel
// asks for, so that it is sharp there too.
#pragma once

#include <QIcon>
#include <QPixmap>

namespace tavro {

QIcon AppIcon();
// The icon's picture drawn at size x size pixels.
QPixmap DrawAppIcon(int size);

}  // namespace tavro
