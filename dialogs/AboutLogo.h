// SPDX-License-Identifier: GPL-3.0-or-later
// The About dialog's logo: three fanned cards of a memory game, drawn in code.
#pragma once

#include <QImage>

namespace tavro {

inline constexpr int kAboutLogoWidth = 145;
inline constexpr int kAboutLogoHeight = 130;

// A 145 x 130 picture in 24-bit colour. Drawn with shapes only (no text), so that it looks the
// same whatever fonts the system has. For a screen with more device pixels per pixel it is
// drawn at that ratio (a picture of 290 x 260 device pixels at 2), so that it stays sharp.
QImage DrawAboutLogo(qreal devicePixelRatio = 1.0);

}  // namespace tavro
