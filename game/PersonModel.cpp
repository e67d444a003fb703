// SPDX-License-Identifier: GPL-3.0-or-later
// A model of a person playing the game; see PersonModel.h.
#include "game/PersonModel.h"

#include <algorithm>
#include <cmath>

namespace tavro {
namespace {

bool Contains(const std::vector<int>& tiles, int tile) {
    return std::find(tiles.begin(), tiles.end(), tile) != tiles.end();
}

// The cards of the turn just played: a person does not forget them.
constexpr int kAlwaysRecalled = 2;

}  // namespace

PersonModel::PersonModel(Traits traits, std::uint32_t seed) : traits_(traits), random_(seed) {}

void PersonModel::NewDeal(Traits traits) {
    traits_ = traits;
    seen_.clear();
    cardsSeen_ = 0;
}

void PersonModel::Saw(int tile, std::int32_t face) {
    seen_.erase(std::remove_if(seen_.begin(), seen_.end(),
                               [tile](const Seen& seen) { return seen.tile == tile; }),
                seen_.end());
    seen_.insert(seen_.begin(), Seen{tile, face, cardsSeen_++});
}

void PersonModel::Matched(int first, int second) {
    seen_.erase(std::remove_if(seen_.begin(), seen_.end(),
                               [first, second](const Seen& seen) {
                                   return seen.tile == first || seen.tile == second;
                               }),
                seen_.end());
}

bool PersonModel::Recalls(const Seen& seen) {
    const int age = cardsSeen_ - 1 - seen.seenAt;
    if (traits_.window > 0 && age >= traits_.window) {
        return false;
    }
    if (traits_.halfLife <= 0 || age < kAlwaysRecalled) {
        return true;
    }
    const double chance = std::exp2(-(age - kAlwaysRecalled + 1) / traits_.halfLife);
    return std::uniform_real_distribution<double>(0.0, 1.0)(random_) < chance;
}

int PersonModel::RecalledPartner(const std::vector<int>& faceDown, int tile, std::int32_t face) {
    for (const Seen& seen : seen_) {
        if (seen.tile != tile && seen.face == face && Contains(faceDown, seen.tile) &&
            Recalls(seen)) {
            return seen.tile;
        }
    }
    return 0;
}

int PersonModel::ChooseCard(const std::vector<int>& faceDown, int firstPick,
                            std::int32_t firstFace) {
    if (firstPick != 0) {
        const int partner = RecalledPartner(faceDown, firstPick, firstFace);
        return partner != 0 ? partner : Unrecalled(faceDown);
    }
    for (const Seen& seen : seen_) {
        if (Contains(faceDown, seen.tile) && Recalls(seen) &&
            RecalledPartner(faceDown, seen.tile, seen.face) != 0) {
            return seen.tile;  // a pair it recalls
        }
    }
    return Unrecalled(faceDown);
}

int PersonModel::Unrecalled(const std::vector<int>& faceDown) {
    if (std::uniform_real_distribution<double>(0.0, 1.0)(random_) < traits_.chance) {
        return AnyOf(faceDown);
    }
    std::vector<int> unseen;
    for (const int tile : faceDown) {
        if (std::none_of(seen_.begin(), seen_.end(),
                         [tile](const Seen& seen) { return seen.tile == tile; })) {
            unseen.push_back(tile);
        }
    }
    return AnyOf(unseen.empty() ? faceDown : unseen);
}

int PersonModel::AnyOf(const std::vector<int>& tiles) {
    return tiles[std::uniform_int_distribution<std::size_t>(0, tiles.size() - 1)(random_)];
}

}  // namespace tavro
