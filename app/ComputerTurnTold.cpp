// SPDX-License-Identifier: GPL-3.0-or-later
// The computer's turn in short sentences; see ComputerTurnTold.h.
#include "app/ComputerTurnTold.h"

#include "app/SpokenOutcomes.h"

namespace tavro {

void ComputerTurnTold::TurnBegins() {
    Forget();
}

void ComputerTurnTold::CardShown(int tile, const QString& picture) {
    shown_.insert(tile, picture);
}

QString ComputerTurnTold::PairEnded(int first, int second, bool matched) {
    const QString firstPlace = SpokenOutcomes::TilePlace(first);
    const QString secondPlace = SpokenOutcomes::TilePlace(second);
    // A pair names its picture once; a mismatch needs no word for it, as the two names differ.
    // Every word counts: at 175 words a minute each sentence is heard in under 3 seconds.
    const QString sentence =
        matched ? tr("Computer pairs %1 %2, %3.").arg(shown_.value(first), firstPlace, secondPlace)
                : tr("Computer %1 %2, %3 %4.")
                      .arg(shown_.value(first), firstPlace, shown_.value(second), secondPlace);
    sentences_ << sentence;
    return sentence;
}

void ComputerTurnTold::Forget() {
    shown_.clear();
    sentences_.clear();
}

QString ComputerTurnTold::Retold() const {
    if (sentences_.isEmpty()) {
        return tr("No turn of the computer to repeat.");
    }
    return sentences_.join(QLatin1Char(' '));
}

}  // namespace tavro
