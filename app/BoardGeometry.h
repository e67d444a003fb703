// SPDX-License-Identifier: GPL-3.0-or-later
// The main window's layout in pixels at the designed card size: the client area, the board's tile
// frames and the pictures inside them, and the points labels below the board. At another card
// size every one of them is multiplied by the window's scale (Scaled). The board's side (tiles
// per row) is the game core's kBoardSide.
#pragma once

#include <cmath>

#include "game/GameState.h"

namespace tavro {

inline constexpr int kClientWidth = 500;
inline constexpr int kClientHeight = 505;
inline constexpr int kFrameSize = 70;   // a tile's frame, p1..p36
inline constexpr int kFramePitch = 72;  // from one frame to the next
inline constexpr int kBoardLeft = 32;
inline constexpr int kBoardTop = 24;
inline constexpr int kPictureInset = 5;  // a picture's offset inside its frame
inline constexpr int kPictureSize = 60;  // a tile's picture, Image1..Image36
inline constexpr int kPointsTop = 462;
inline constexpr int kPointsHeight = 29;
inline constexpr int kPointsValueLeft = 326;
inline constexpr int kPointsGap = 8;
// In a game of two the bottom line holds both players in place of the points, each in one half
// of the board's width, the second half kPlayersGap pixels after the first.
inline constexpr int kPlayersLineWidth = kBoardSide * kFramePitch - (kFramePitch - kFrameSize);
inline constexpr int kPlayersGap = 16;
// The letters of the bottom line, in pixels.
inline constexpr int kPointsFontPixels = 24;

// A length of the layout at the window's scale, to the nearest pixel: at scale 1 the length
// itself. Positions are scaled from the window's corner, never summed from scaled steps, so
// rounding never builds up across the board.
inline int Scaled(int pixels, double scale) {
    return static_cast<int>(std::lround(pixels * scale));
}

}  // namespace tavro
