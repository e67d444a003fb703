// SPDX-License-Identifier: GPL-3.0-or-later
// The program's random source: a 32-bit linear congruential generator. The deal depends on its
// exact sequence, so the multiplier, the increment and the way a bounded value is drawn are
// fixed here rather than taken from <random>, whose engines and distributions differ.
#include "game/RandomSource.h"

#include <chrono>
#include <utility>

namespace tavro {

namespace {

constexpr std::uint32_t kMultiplier = 134775813;  // 0x08088405
constexpr std::uint32_t kIncrement = 1;
constexpr std::int64_t kMillisecondsPerDay = 24LL * 60 * 60 * 1000;

}  // namespace

std::uint32_t SystemMillisecondsOfDay() {
    // The system clock counts Unix time, which has no leap seconds, so the remainder of a whole
    // day is the UTC time of day.
    const auto sinceEpoch = std::chrono::duration_cast<std::chrono::milliseconds>(
        std::chrono::system_clock::now().time_since_epoch());
    auto ofDay = sinceEpoch.count() % kMillisecondsPerDay;
    if (ofDay < 0) {
        ofDay += kMillisecondsPerDay;  // a clock set before 1970
    }
    return static_cast<std::uint32_t>(ofDay);
}

RandomSource::RandomSource(MillisecondsOfDayClock clock) : clock_(std::move(clock)) {}

std::uint32_t RandomSource::RandomBelow(std::uint32_t n) {
    state_ = state_ * kMultiplier + kIncrement;  // unsigned arithmetic wraps modulo 2^32
    const std::uint64_t product = std::uint64_t{n} * std::uint64_t{state_};
    return static_cast<std::uint32_t>(product >> 32);
}

void RandomSource::ReseedRandom() {
    state_ = clock_();
}

}  // namespace tavro
