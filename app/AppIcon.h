// The application icon: two playing cards, one face down and one face up, drawn by code at
// 16, 32, 48 and 64 pixels.
#pragma once

#include <QIcon>

namespace tavro {

QIcon AppIcon();

}  // namespace tavro
