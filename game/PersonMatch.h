// SPDX-License-Identifier: GPL-3.0-or-later
// Whole games of the model of a person (PersonModel) against the computer on the game core,
// without windows or waits: how the computer's strengths are measured. The person turns first;
// the random sources are fixed, so that a measurement can be repeated exactly.
#pragma once

#include "game/PersonModel.h"
#include "game/PlayMode.h"

namespace tavro {

struct MatchTally {
    int won = 0;  // by the person
    int drawn = 0;
    int lost = 0;
    long computerPairs = 0;
};

MatchTally PlayPersonAgainstComputer(ComputerStrength strength, PersonModel::Traits person,
                                     int games);

}  // namespace tavro
