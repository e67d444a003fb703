// SPDX-License-Identifier: GPL-3.0-or-later
// The hint: colours the frames of a matching pair for 600 ms, at a cost of 75 points (to the
// player whose turn it is, in a game of two) and one of the game's 50 hints, which are shared. With
// a card face up it points out that card's partner; otherwise the lowest unmatched tile and its
// partner. The gate stays closed for the whole 600 ms, which the view times
// (BoardView::requestWait) rather than a sleep.
#include "game/GameEngine.h"

namespace tavro {

void GameEngine::HintPair() {
    if (!gate_.IsOpen()) {
        return;
    }
    if (game_.HintsLeft == 0) {
        view_.setHintCommandEnabled(false);
        return;
    }
    --game_.HintsLeft;

    if (game_.FirstPick != 0) {
        const int partner = PartnerOf(game_.FirstPick);
        if (partner != 0) {
            FlashHint(partner, 0, InputGate::Hold(gate_));
        }
        return;
    }
    const int tile = LowestUnmatchedTile();
    if (tile != 0) {  // none when the game is over: the hint is used up but costs nothing
        FlashHint(PartnerOf(tile), tile, InputGate::Hold(gate_));
    }
}

// Colours the partner's frame, then the tile's (0 = the partner alone), and asks to end the hint
// after the highlight time.
void GameEngine::FlashHint(int partner, int tile, InputGate::Hold busy) {
    for (const int frame : {partner, tile}) {
        if (frame != 0) {
            view_.setFrameColour(frame, kFrameHint);
        }
    }
    // The pair in board order; the partner alone when a card is up.
    Report(tile != 0 ? Outcome{Outcome::Kind::HintShown, tile, partner}
                     : Outcome{Outcome::Kind::HintShown, partner, 0});
    Wait({WaitRequest::Kind::EndHint, kHintMilliseconds, dealNumber_, partner, tile},
         std::move(busy));
}

// The frames go back to normal in any case (a new deal leaves them as they are); the score and
// the gate only when the hint belongs to this deal.
void GameEngine::EndHint(const WaitRequest& wait, bool ofThisDeal, InputGate::Hold busy) {
    for (const int frame : {wait.first, wait.second}) {
        if (frame != 0) {
            view_.setFrameColour(frame, kFrameNormal);
        }
    }
    if (!ofThisDeal) {
        return;  // a new game began meanwhile: its score and gate are its own
    }
    busy.Release();
    AddPoints(kHintPoints);
    Report(AboutCurrentPlayer(Outcome::Kind::HintEnded));
}

}  // namespace tavro
