// SPDX-License-Identifier: GPL-3.0-or-later
// The computer's memory and its choice of cards. Only the strength's number of the most recently
// seen cards stay in its memory; a card seen again moves to the front, and a matched pair leaves.
#include "game/ComputerPlayer.h"

#include <algorithm>

#include "game/GameState.h"

namespace tavro {
namespace {

// The forgetful computer keeps the last four cards in mind, the fair one nine (half of the
// board's eighteen pairs), the one with a perfect memory every card on the board.
constexpr int kForgetfulMemory = 4;
constexpr int kFairMemory = kFaceCount / 2;

bool Contains(const std::vector<int>& tiles, int tile) {
    return std::find(tiles.begin(), tiles.end(), tile) != tiles.end();
}

}  // namespace

ComputerPlayer::ComputerPlayer(std::uint32_t seed) : random_(seed) {}

std::uint32_t ComputerPlayer::FreshSeed() {
    return std::random_device{}();
}

int ComputerPlayer::MemorySize(ComputerStrength strength) {
    switch (strength) {
        case ComputerStrength::Forgetful:
            return kForgetfulMemory;
        case ComputerStrength::Fair:
            return kFairMemory;
        case ComputerStrength::PerfectMemory:
            break;
    }
    return kTileCount;
}

void ComputerPlayer::NewDeal(ComputerStrength strength) {
    memory_.clear();
    memorySize_ = static_cast<std::size_t>(MemorySize(strength));
}

void ComputerPlayer::Saw(int tile, std::int32_t face) {
    memory_.erase(std::remove_if(memory_.begin(), memory_.end(),
                                 [tile](const Seen& seen) { return seen.tile == tile; }),
                  memory_.end());
    memory_.insert(memory_.begin(), Seen{tile, face});
    if (memory_.size() > memorySize_) {
        memory_.resize(memorySize_);
    }
}

void ComputerPlayer::Matched(int first, int second) {
    memory_.erase(std::remove_if(memory_.begin(), memory_.end(),
                                 [first, second](const Seen& seen) {
                                     return seen.tile == first || seen.tile == second;
                                 }),
                  memory_.end());
}

int ComputerPlayer::ChooseCard(const std::vector<int>& faceDown, int firstPick,
                               std::int32_t firstFace) {
    if (firstPick != 0) {
        const int partner = RememberedPartner(faceDown, firstPick, firstFace);
        return partner != 0 ? partner : UnknownTile(faceDown);
    }
    for (const Seen& seen : memory_) {
        if (Contains(faceDown, seen.tile) &&
            RememberedPartner(faceDown, seen.tile, seen.face) != 0) {
            return seen.tile;  // a pair it knows
        }
    }
    return UnknownTile(faceDown);
}

bool ComputerPlayer::Remembers(int tile) const {
    return std::any_of(memory_.begin(), memory_.end(),
                       [tile](const Seen& seen) { return seen.tile == tile; });
}

int ComputerPlayer::RememberedPartner(const std::vector<int>& faceDown, int tile,
                                      std::int32_t face) const {
    for (const Seen& seen : memory_) {
        if (seen.tile != tile && seen.face == face && Contains(faceDown, seen.tile)) {
            return seen.tile;
        }
    }
    return 0;
}

int ComputerPlayer::UnknownTile(const std::vector<int>& faceDown) {
    std::vector<int> unknown;
    for (const int tile : faceDown) {
        if (!Remembers(tile)) {
            unknown.push_back(tile);
        }
    }
    return AnyOf(unknown.empty() ? faceDown : unknown);
}

int ComputerPlayer::AnyOf(const std::vector<int>& tiles) {
    // The generator's 32 bits scaled to the count: the same choice on every platform.
    const std::uint64_t scaled = std::uint64_t{random_()} * tiles.size();
    return tiles[static_cast<std::size_t>(scaled >> 32)];
}

}  // namespace tavro
