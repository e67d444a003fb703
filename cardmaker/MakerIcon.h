// SPDX-License-Identifier: GPL-3.0-or-later
// The card maker's icon: the game's two cards with a green "+" badge, so that the two programs
// are told apart in a menu. Also the maker's own desktop id.
#pragma once

#include <QIcon>
#include <QImage>

namespace tavro::cardmaker {

// Must match TAVRO_MAKER_ID in CMakeLists.txt; the icon tool checks that at build time.
inline constexpr char kMakerDesktopId[] = "org.example.tavro_memory.CardMaker";

QIcon MakerIcon();
// The icon drawn at size x size pixels on a transparent ground.
QImage DrawMakerIcon(int size);

}  // namespace tavro::cardmaker
