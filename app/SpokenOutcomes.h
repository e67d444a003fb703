// SPDX-License-Identifier: GPL-3.0-or-later
// What a screen reader hears of the game: a sentence for each outcome worth one, few words with
// the state first, as a move is heard far more often than anything else. A card turned names its
// picture; a mismatch is told once its pair is turned back and a hint once it has been paid for,
// so that the sentence also says that the board takes keys again; in a game of two, whose turn it
// is when it changes, each pair the computer turns in a sentence with the places, each player's
// points, and the end.
// Names are the players' own: put into the texts in one go, so that a "%1" in a name stays as
// typed.
#pragma once

#include <QCoreApplication>
#include <QString>
#include <functional>

#include "app/ComputerTurnTold.h"
#include "app/DealtGame.h"
#include "app/OutcomeFanOut.h"

namespace tavro {

class SpokenOutcomes : public OutcomeListener {
    Q_DECLARE_TR_FUNCTIONS(SpokenOutcomes)
public:
    using PictureNamer = std::function<QString(std::int32_t face)>;
    using Say = std::function<void(const QString& text)>;
    // `say` hands a sentence to screen readers (the window's Announcer); `heard`: whether the
    // window is shown (the first deal, before it is, tells nothing).
    SpokenOutcomes(Say say, const DealtGame& game, PictureNamer pictureName,
                   std::function<bool()> heard);

    void Hear(const Outcome& outcome) override;

    // Tile k's place as a screen reader says it: its column letter and row number ("A2").
    static QString TilePlace(int tile);
    // The score as a sentence ("Say the score"): the points; in a game of two both players'
    // points and whose turn it is or, once it is over, who won.
    QString ScoreSpoken() const;
    // "Repeat the computer's turn" (F7): what the computer turned in its last turn.
    QString ComputerTurnRetold() const;
    // "Anna wins, 520 to 310.", "The computer wins, …" or "A draw, 400 each.".
    QString EndOfGameText() const;

private:
    QString OnePlayerText(const Outcome& outcome);
    QString PlayersText(const Outcome& outcome);
    QString TurnText(int player) const;

    Say say_;
    const DealtGame& game_;
    PictureNamer pictureName_;
    std::function<bool()> heard_;
    QString afterWait_;   // said when the wait ends: the mismatch, the hint and its price
    QString hintPlaces_;  // the places of the hint being shown
    ComputerTurnTold computerTurn_;
};

}  // namespace tavro
