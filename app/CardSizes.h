// SPDX-License-Identifier: GPL-3.0-or-later
// The card sizes a player can choose and the one scale the main window is drawn at: the chosen
// size, unless the screen holds less, in which case as much as it holds (also below the designed
// size on a small screen, so that every card can be reached). The menu bar and the window's frame
// are the desktop's and keep their size; everything inside the board is scaled.
#pragma once

#include <QFont>
#include <QSize>
#include <array>

#include "settings/Settings.h"

namespace tavro {

// The sizes Ctrl++ and Ctrl+- step through, smallest first. FitScreen is chosen from the menu.
inline constexpr std::array<CardSize, 4> kCardSizeSteps = {CardSize::Normal, CardSize::Large150,
                                                           CardSize::Large200, CardSize::Large300};
// The smallest scale the window is ever drawn at, however small the screen.
inline constexpr double kSmallestScale = 0.25;

// The scale a size asks for; FitScreen asks for as much as any screen holds.
double ChosenScale(CardSize size);
// The step after the scale now shown (larger) or before it; at either end the end step.
CardSize SteppedCardSize(double shownScale, bool larger);
// The largest scale, to a thousandth and rounded down, at which a client area of `designed`
// pixels (at scale 1) and `unscaled` pixels that keep their size (menu bar, frame) fit into
// `available`; never below kSmallestScale.
double FittingScale(const QSize& designed, const QSize& unscaled, const QSize& available);
// The scale the window is drawn at.
double ShownScale(CardSize chosen, double fitting);
// The bottom line's large blue letters at the scale: LargeBoldFont itself at 1.
QFont PointsFont(double scale);

}  // namespace tavro
