// SPDX-License-Identifier: GPL-3.0-or-later
// The computer as a player: it plays as the model of a person does (PersonModel), with a memory
// by its strength. It recalls the cards of the turn just played always, and older ones the less
// often the more cards it has seen since: a gentle computer forgets fast, an even one about as a
// person does, a sharp one never. It turns a pair it recalls, else the partner of its first card
// if it recalls one, else a card it has not seen; it never takes a chance. Its random choices
// come from a source of its own, so that the deal's random sequence stays exactly as it always
// was; tests give it a fixed seed.
#pragma once

#include <cstdint>
#include <vector>

#include "game/PersonModel.h"
#include "game/PlayMode.h"

namespace tavro {

class ComputerPlayer {
public:
    explicit ComputerPlayer(std::uint32_t seed);
    // A seed that differs from run to run.
    static std::uint32_t FreshSeed();
    // How the computer recalls at each strength, as the model of a person's traits.
    static PersonModel::Traits MemoryOf(ComputerStrength strength);

    // A new deal: it forgets everything and recalls by the strength from now on.
    void NewDeal(ComputerStrength strength);
    // A face was shown on the board, by either player.
    void Saw(int tile, std::int32_t face) { mind_.Saw(tile, face); }
    // A matched pair stays face up: nothing to remember about it.
    void Matched(int first, int second) { mind_.Matched(first, second); }
    // The next card to turn, among faceDown (the tiles face down now, never empty): the first of a
    // pair when firstPick is 0, or the second for firstPick, which shows firstFace.
    int ChooseCard(const std::vector<int>& faceDown, int firstPick, std::int32_t firstFace) {
        return mind_.ChooseCard(faceDown, firstPick, firstFace);
    }

private:
    PersonModel mind_;
};

}  // namespace tavro
