// SPDX-License-Identifier: GPL-3.0-or-later
// The board's bottom line, the one place where points reach the screen: in a game of one the
// caption "Points" and the value (Label1, Label2), which the core's SetPoints refreshes at once;
// in a game of two, in their place, both players with their points and the turn marked (until the
// first card, who starts), or at the end the winner. Screen
// readers get the points with their caption, and the end of a game of one in the value's
// description.
#pragma once

#include <QCoreApplication>
#include <cstdint>

#include "app/DealtGame.h"
#include "app/OutcomeFanOut.h"

class QLabel;

namespace tavro {

class PlayersLine;

class ScoreLine : public OutcomeListener {
    Q_DECLARE_TR_FUNCTIONS(ScoreLine)
public:
    ScoreLine(QLabel* caption, QLabel* value, PlayersLine* players, const DealtGame& game);

    // The points of a game of one, as the core sets them.
    void ShowPoints(std::int32_t points);
    // The board's scale, for the height of the value's label (1: the designed size).
    void SetScale(double scale) { scale_ = scale; }
    // The line of the deal's mode, both players' points, and the end of a game.
    void Hear(const Outcome& outcome) override;

private:
    QLabel* caption_;
    QLabel* value_;
    PlayersLine* players_;
    const DealtGame& game_;
    bool starting_ = false;  // dealt, and no card turned yet
    double scale_ = 1.0;
};

}  // namespace tavro
