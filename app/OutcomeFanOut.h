// SPDX-License-Identifier: GPL-3.0-or-later
// The game core's outcomes, handed on to the concerns that follow them: each a class of its own
// that keeps its own state (the deal's players, the score line, the end of a game, the sounds,
// the record, speech). The main window adds them once, in the order they hear every outcome; a
// new concern is one more listener and one more line there.
#pragma once

#include <vector>

#include "game/BoardView.h"

namespace tavro {

class OutcomeListener {
public:
    virtual ~OutcomeListener() = default;
    // Called inside the core's call: a listener shows and keeps what it needs, and queues
    // anything that opens a window or waits.
    virtual void Hear(const Outcome& outcome) = 0;
};

class OutcomeFanOut {
public:
    // Listeners hear each outcome in the order they were added.
    void Add(OutcomeListener& listener) { listeners_.push_back(&listener); }
    void Deliver(const Outcome& outcome) const {
        for (OutcomeListener* listener : listeners_) {
            listener->Hear(outcome);
        }
    }

private:
    std::vector<OutcomeListener*> listeners_;
};

}  // namespace tavro
