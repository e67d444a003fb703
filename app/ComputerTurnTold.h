// SPDX-License-Identifier: GPL-3.0-or-later
// The computer's turn as a screen reader tells it: one short sentence per pair it turns, said as
// its second card shows ("Computer fox B3, cat E5." or "Computer pairs fox B3, E5."), rather
// than a sentence per card and another per result, so that a turn of several pairs is heard in
// about the time it is played. The sentences of its last turn are kept for "Repeat the computer's
// turn" (F7) until the player turns the first card of the next turn: a key pressed meanwhile
// silences the screen reader, and what the computer showed is then face down again.
#pragma once

#include <QCoreApplication>
#include <QHash>
#include <QString>
#include <QStringList>

namespace tavro {

class ComputerTurnTold {
    Q_DECLARE_TR_FUNCTIONS(ComputerTurnTold)
public:
    // The computer begins a turn: the sentences of its last one are forgotten.
    void TurnBegins();
    // The computer turned `tile`, showing `picture`; nothing is said until the pair is complete.
    void CardShown(int tile, const QString& picture);
    // The computer's pair `first`, `second` is complete: the sentence to say, also kept.
    QString PairEnded(int first, int second, bool matched);
    // The player turns a card, or a new game is dealt: there is nothing to repeat any more.
    void Forget();
    // What F7 says: the last turn's sentences, or that there is none to repeat.
    QString Retold() const;

private:
    QHash<int, QString> shown_;  // by tile: the picture the computer turned there in this turn
    QStringList sentences_;
};

}  // namespace tavro
