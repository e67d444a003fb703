// SPDX-License-Identifier: GPL-3.0-or-later
// Keeping a card's look at the game's normal size when its picture file gets more pixels: the
// game reduces a file to the 60 px tile by averaging, so a larger picture whose every tile cell
// averages to what the smaller one's did shows exactly the same tile.
#pragma once

#include <QImage>

namespace tavro::cardsets {

// Side of a tile at the game's normal card size, in pixels.
inline constexpr int kTileSide = 60;

// The square picture `large`, with each block of it that becomes one pixel of a `tileSide` tile
// shifted in brightness, per colour channel, until its sum is that of the same block of `small`
// times the ratio of the two blocks' areas. The card set reader reduces a picture by the plain
// average of each block, so `large` and `small` then read as the same tile, pixel for pixel,
// while `large` keeps its own detail for the larger card sizes. Both are square, `small` a
// multiple of `tileSide` wide and `large` a multiple of `small`; otherwise throws
// std::invalid_argument.
QImage WithTileLook(const QImage& large, const QImage& small, int tileSide = kTileSide);

}  // namespace tavro::cardsets
