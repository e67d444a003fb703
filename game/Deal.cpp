// SPDX-License-Identifier: GPL-3.0-or-later
// The deal: the shuffle that spreads 36 values over the tiles and the fold that turns them into
// 18 pairs of faces. The shuffle draws r from 0..i-1 (never i itself), which makes the result
// a single cycle; this is the program's own deal, so it is kept exactly as it is.
#include "game/Deal.h"

#include <cstddef>

namespace tavro {

TileValues ShuffleTiles(RandomSource& random) {
    std::array<std::int32_t, kTileCount> a{};
    for (int i = 0; i < kTileCount; ++i) {
        a[static_cast<std::size_t>(i)] = i;
    }
    for (int i = kTileCount - 1; i >= 0; --i) {
        const auto r = random.RandomBelow(static_cast<std::uint32_t>(i));
        const auto at = static_cast<std::size_t>(i);
        const std::int32_t taken = a[r];
        a[r] = a[at];
        a[at] = taken + 1;
    }
    TileValues faces{};
    for (int k = 1; k <= kTileCount; ++k) {
        faces[static_cast<std::size_t>(k)] = a[static_cast<std::size_t>(k - 1)];
    }
    return faces;
}

void FoldFaces(TileValues& faces) {
    for (int k = 1; k <= kTileCount; ++k) {
        auto& face = faces[static_cast<std::size_t>(k)];
        if (face > kFaceCount) {
            face -= kFaceCount;
        }
    }
}

}  // namespace tavro
