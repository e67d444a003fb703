// SPDX-License-Identifier: GPL-3.0-or-later
// The end of a game, and the end of a deal that could not be dealt: what follows them opens a
// window, so it is queued and runs once the core's call has returned, with the input gate held
// closed until then. A game of one for the Leads opens the name entry (which shows the Leads); a
// game of two opens the window that names the winner, "Anna wins, 520 to 310.", with both
// players' points and the choice to play again; a deal without a card back hands over to the main
// window, which passes the set over for the next usable one.
#pragma once

#include <QObject>
#include <QString>
#include <functional>

#include "app/OutcomeFanOut.h"
#include "game/InputGate.h"

class QWidget;

namespace tavro {

class Announcer;
class DealtGame;
class SpokenOutcomes;
class TForm2;

class GameEndListener : public QObject, public OutcomeListener {
    Q_OBJECT
public:
    // `window`: the parent of the end's window and the context of the queued calls; `game`: the
    // players and points the end's window shows.
    GameEndListener(QWidget* window, InputGate& gate, Announcer& announcer, const DealtGame& game,
                    const SpokenOutcomes& words);

    void Hear(const Outcome& outcome) override;

    // The name entry of the Leads, once the dialogs exist.
    void SetNameEntry(TForm2* nameEntry) { nameEntry_ = nameEntry; }
    // The set in play can't be dealt (its card back is gone): `replace` runs from the event loop
    // with the gate closed until it returns.
    void OnCardSetLost(std::function<void()> replace) { replaceCardSet_ = std::move(replace); }
    void CardSetLost();

signals:
    // The name typed for the Leads after the game that just ended.
    void nameEntered(const QString& name);
    // "Play again" at the end of a game of two: a new game with the same players. Sent once the
    // end's window has closed and the gate it held is open again.
    void playAgain();

private:
    void EnterTheLeads();
    void ShowWinner();
    void ReplaceCardSet();

    QWidget* window_;
    InputGate& gate_;
    Announcer& announcer_;
    const DealtGame& game_;
    const SpokenOutcomes& words_;
    TForm2* nameEntry_ = nullptr;
    std::function<void()> replaceCardSet_;
    InputGate::Hold leadsEntry_;   // from a qualifying end until the name is entered
    InputGate::Hold endMessage_;   // from the end of a game of two until its window is closed
    InputGate::Hold lostCardSet_;  // from a deal without a card back until the set is replaced
};

}  // namespace tavro
