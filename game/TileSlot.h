// SPDX-License-Identifier: GPL-3.0-or-later
// Index conversion for the tile-indexed arrays of GameState (slot 0 unused).
#pragma once

#include <cstddef>

namespace tavro {

constexpr std::size_t Slot(int index) {
    return static_cast<std::size_t>(index);
}

}  // namespace tavro
