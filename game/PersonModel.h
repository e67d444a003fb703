// SPDX-License-Identifier: GPL-3.0-or-later
// A model of a person playing the game, to measure the computer's strengths against what people
// roughly do rather than against a perfect player. It remembers the cards it has seen face up,
// but the chance that it recalls one falls with the number of cards seen since: the cards of the
// turn just played always, then half as often every `halfLife` cards (a person recalls the last
// few cards well and the ones of ten turns ago seldom). It turns a pair it recalls; else, for its
// second card, the partner of the first if it recalls one; else a card it has not seen, or now
// and then (`chance`) any card at all. A half-life of 0 recalls every card ever seen; a `window`
// of N forgets, besides, every card but the last N seen (a player who keeps a fixed few in mind).
// Its random choices come from a seed of its own, so that a measurement can be repeated exactly.
#pragma once

#include <cstdint>
#include <random>
#include <vector>

namespace tavro {

class PersonModel {
public:
    struct Traits {
        double halfLife = 8.0;  // cards seen since, after which a card is recalled half as often
        double chance = 0.1;    // how often an unrecalled pick is any card instead of an unseen one
        int window = 0;  // when above 0: cards seen this many cards ago and earlier are forgotten
    };
    PersonModel(Traits traits, std::uint32_t seed);

    // A new deal: everything seen is forgotten; the traits hold from now on.
    void NewDeal(Traits traits);
    void NewDeal() { NewDeal(traits_); }
    // A face was shown on the board, by either player.
    void Saw(int tile, std::int32_t face);
    // A matched pair stays face up: nothing to recall about it.
    void Matched(int first, int second);
    // The next card to turn, among faceDown (never empty): the first of a pair when firstPick is
    // 0, or the second for firstPick, which shows firstFace.
    int ChooseCard(const std::vector<int>& faceDown, int firstPick, std::int32_t firstFace);

private:
    struct Seen {
        int tile;
        std::int32_t face;
        int seenAt;  // the count of cards seen when it was last seen
    };
    bool Recalls(const Seen& seen);
    // The recalled face-down tile showing face, other than tile; 0 for none.
    int RecalledPartner(const std::vector<int>& faceDown, int tile, std::int32_t face);
    int Unrecalled(const std::vector<int>& faceDown);
    int AnyOf(const std::vector<int>& tiles);

    Traits traits_;
    std::vector<Seen> seen_;  // the most recently seen first
    int cardsSeen_ = 0;
    std::mt19937 random_;
};

}  // namespace tavro
