// SPDX-License-Identifier: GPL-3.0-or-later
// The board's bottom line; see ScoreLine.h.
#include "app/ScoreLine.h"

#include <QAccessible>
#include <QLabel>

#include "app/BoardGeometry.h"
#include "app/PlayersLine.h"

namespace tavro {

ScoreLine::ScoreLine(QLabel* caption, QLabel* value, PlayersLine* players, const DealtGame& game)
    : caption_(caption), value_(value), players_(players), game_(game) {}

void ScoreLine::ShowPoints(std::int32_t points) {
    value_->setText(QString::number(points));  // decimal, ASCII '-' when negative
    value_->adjustSize();
    value_->resize(value_->width(), Scaled(kPointsHeight, scale_));
    // The points with their caption, for a screen reader's review of the window.
    value_->setAccessibleName(tr("Points: %1").arg(points));
    QAccessibleValueChangeEvent changed(value_, points);
    QAccessible::updateAccessibility(&changed);
}

void ScoreLine::Hear(const Outcome& outcome) {
    const bool two = game_.Together();
    // A hint turns no card: the one who begins still starts.
    if (outcome.kind != Outcome::Kind::HintShown && outcome.kind != Outcome::Kind::HintEnded) {
        starting_ = outcome.kind == Outcome::Kind::NewGameDealt;
    }
    if (outcome.kind == Outcome::Kind::NewGameDealt) {
        value_->setAccessibleDescription(QString());
        if (players_->isHidden() == two) {
            caption_->setHidden(two);
            value_->setHidden(two);
            players_->setHidden(!two);
        }
    }
    if (outcome.kind == Outcome::Kind::GameEnded && !two) {
        value_->setAccessibleDescription(tr("Game over: %1 points").arg(outcome.points));
    }
    if (two) {
        const Standing& now = outcome.standing;
        const std::array<PlayersLine::Player, kMaxPlayers> players{
            PlayersLine::Player{game_.Name(0), now.scores[0], game_.IsComputer(0)},
            {game_.Name(1), now.scores[1], game_.IsComputer(1)}};
        if (now.over) {
            players_->ShowResult(players, game_.Leader());  // who won, not who is to play
        } else {
            players_->ShowPlayers(players, now.currentPlayer, starting_);
        }
    }
}

}  // namespace tavro
