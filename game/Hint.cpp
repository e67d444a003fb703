// SPDX-License-Identifier: GPL-3.0-or-later
// The hint: colours the frames of a matching pair for 600 ms, at a cost of 75 points and one of
// the game's 50 hints. With a card face up it points out that card's partner; otherwise the
// lowest unmatched tile and its partner. The gate stays closed for the whole 600 ms, which pass
// through BoardView::runAfter rather than a sleep.
#include "game/GameEngine.h"

namespace tavro {

void GameEngine::HintPair() {
    if (inputState_ == kInputBusy) {
        return;
    }
    if (game_.HintsLeft == 0) {
        view_.setHintCommandEnabled(false);
        return;
    }
    inputState_ = kInputBusy;
    --game_.HintsLeft;

    if (game_.FirstPick != 0) {
        const int partner = PartnerOf(game_.FirstPick);
        if (partner == 0) {
            inputState_ = kInputReady;
            return;
        }
        FlashHint(partner, 0);
        return;
    }
    const int tile = LowestUnmatchedTile();
    if (tile == 0) {
        inputState_ = kInputReady;  // the game is over: the hint is used up but costs nothing
        return;
    }
    FlashHint(PartnerOf(tile), tile);
}

// Colours the partner's frame, then the tile's (0 = the partner alone), and ends the hint after
// the highlight time.
void GameEngine::FlashHint(int partner, int tile) {
    for (const int frame : {partner, tile}) {
        if (frame != 0) {
            view_.setFrameColour(frame, kFrameHint);
        }
    }
    // The pair in board order; the partner alone when a card is up.
    view_.reportOutcome(tile != 0 ? Outcome{Outcome::Kind::HintShown, tile, partner}
                                  : Outcome{Outcome::Kind::HintShown, partner, 0});
    view_.processPendingEvents();
    const std::uint32_t deal = dealNumber_;
    view_.runAfter(kHintMilliseconds,
                   [this, partner, tile, deal] { EndHint(partner, tile, deal); });
}

void GameEngine::EndHint(int partner, int tile, std::uint32_t deal) {
    for (const int frame : {partner, tile}) {
        if (frame != 0) {
            view_.setFrameColour(frame, kFrameNormal);
        }
    }
    view_.processPendingEvents();
    if (deal != dealNumber_) {
        return;  // a new game began meanwhile: its score and gate are its own
    }
    inputState_ = kInputReady;
    SetPoints(game_.Points + kHintPoints);
    view_.reportOutcome({Outcome::Kind::HintEnded, 0, 0, game_.Points});
}

}  // namespace tavro
