// SPDX-License-Identifier: GPL-3.0-or-later
// The two stored settings and the card folder derived from them: plain data with no toolkit
// types.
#pragma once

#include <cstdint>
#include <string>

namespace tavro {

inline constexpr const char* kDefaultCardSet = "animals";
inline constexpr std::int32_t kDefaultFlipDelay = 500;
// The delay's range: 0..2000 milliseconds in steps of 50. The store refuses other values and the
// Options slider offers exactly these.
inline constexpr std::int32_t kMinFlipDelay = 0;
inline constexpr std::int32_t kMaxFlipDelay = 2000;
inline constexpr std::int32_t kFlipDelayStep = 50;

struct Settings {
    std::string CardSetName;     // UTF-8; the name of a folder under "gfx"
    std::int32_t FlipDelay = 0;  // milliseconds, 0..2000 in steps of 50
    std::string CardFolder;      // UTF-8; the set's folder, always ending with '/'
};

}  // namespace tavro
