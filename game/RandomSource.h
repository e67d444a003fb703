// SPDX-License-Identifier: GPL-3.0-or-later
// The program's random source: a 32-bit linear congruential generator reseeded from the clock
// (milliseconds since midnight, UTC) at every deal. The clock is injectable for tests.
#pragma once

#include <cstdint>
#include <functional>

namespace tavro {

// Milliseconds since midnight of the current UTC day.
using MillisecondsOfDayClock = std::function<std::uint32_t()>;
std::uint32_t SystemMillisecondsOfDay();

class RandomSource {
public:
    explicit RandomSource(MillisecondsOfDayClock clock = SystemMillisecondsOfDay);

    // 0 <= r < n for n >= 1, and 0 for n = 0; advances the state once.
    std::uint32_t RandomBelow(std::uint32_t n);
    // Sets the state to the clock's milliseconds of the day.
    void ReseedRandom();

    std::uint32_t state() const { return state_; }
    void setState(std::uint32_t state) { state_ = state; }

private:
    MillisecondsOfDayClock clock_;
    std::uint32_t state_ = 0;
};

}  // namespace tavro
