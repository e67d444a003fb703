// SPDX-License-Identifier: GPL-3.0-or-later
// The computer as a player: a memory of the cards it has seen face up (its own and the person's),
// which forgets by its strength, and the choice of its next card by that memory. It picks a pair
// it remembers, else the partner of its first card if it remembers one, else a card it does not
// remember. Its random choices come from a source of its own, so that the deal's random sequence
// stays exactly as it always was; tests give it a fixed seed.
#pragma once

#include <cstdint>
#include <random>
#include <vector>

#include "game/PlayMode.h"

namespace tavro {

class ComputerPlayer {
public:
    explicit ComputerPlayer(std::uint32_t seed);
    // A seed that differs from run to run.
    static std::uint32_t FreshSeed();
    // How many of the cards it has seen it remembers at most: the most recent few, about half
    // of a board's pairs, or every card.
    static int MemorySize(ComputerStrength strength);

    // A new deal: it forgets everything and remembers as many cards as the strength allows.
    void NewDeal(ComputerStrength strength);
    // A face was shown on the board, by either player.
    void Saw(int tile, std::int32_t face);
    // A matched pair stays face up: nothing to remember about it.
    void Matched(int first, int second);
    // The next card to turn, among faceDown (the tiles face down now, never empty): the first of a
    // pair when firstPick is 0, or the second for firstPick, which shows firstFace.
    int ChooseCard(const std::vector<int>& faceDown, int firstPick, std::int32_t firstFace);

private:
    struct Seen {
        int tile;
        std::int32_t face;
    };
    bool Remembers(int tile) const;
    // The remembered tile showing face, other than tile, that is among faceDown; 0 for none.
    int RememberedPartner(const std::vector<int>& faceDown, int tile, std::int32_t face) const;
    // A face-down tile it does not remember, at random; any face-down tile when it remembers all.
    int UnknownTile(const std::vector<int>& faceDown);
    int AnyOf(const std::vector<int>& tiles);

    std::vector<Seen> memory_;  // the most recently seen first
    std::size_t memorySize_ = 0;
    std::mt19937 random_;
};

}  // namespace tavro
