// SPDX-License-Identifier: GPL-3.0-or-later
// The program's input gate, InputState: one byte that every tile click and every main-menu
// command except Exit checks first. The turn engine, the hint and each dialog close it while
// they are busy or shown, and open it again afterwards.
#pragma once

#include <cstdint>

namespace tavro {

inline constexpr std::uint8_t kInputBusy = 0;  // clicks and commands but Exit are ignored
inline constexpr std::uint8_t kInputReady = 1;

}  // namespace tavro
