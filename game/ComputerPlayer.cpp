// SPDX-License-Identifier: GPL-3.0-or-later
// The computer's strengths as memories of the model of a person; see ComputerPlayer.h. The
// half-lives are measured (bench/game/calibration_bench) so that a person as the model plays
// wins about three games in four against the gentle computer, about half against the even one
// and seldom against the sharp one.
#include "game/ComputerPlayer.h"

#include <random>

namespace tavro {
namespace {

constexpr double kForgetfulHalfLife = 4.0;
constexpr double kFairHalfLife = 7.0;

}  // namespace

ComputerPlayer::ComputerPlayer(std::uint32_t seed)
    : mind_(MemoryOf(ComputerStrength::Fair), seed) {}

std::uint32_t ComputerPlayer::FreshSeed() {
    return std::random_device{}();
}

PersonModel::Traits ComputerPlayer::MemoryOf(ComputerStrength strength) {
    switch (strength) {
        case ComputerStrength::Forgetful:
            return {kForgetfulHalfLife, 0.0};
        case ComputerStrength::Fair:
            return {kFairHalfLife, 0.0};
        case ComputerStrength::PerfectMemory:
            break;
    }
    return {0.0, 0.0};  // every card recalled
}

void ComputerPlayer::NewDeal(ComputerStrength strength) {
    mind_.NewDeal(MemoryOf(strength));
}

}  // namespace tavro
