// SPDX-License-Identifier: GPL-3.0-or-later
// The end of a game, and the end of a deal that could not be dealt: what follows them opens a
// window, so it is queued and runs once the core's call has returned, with the input gate held
// closed until then. A game of one for the Leads opens the name entry (which shows the Leads); a
// game of two opens the message that names the winner, "Anna wins, 520 to 310."; a deal without
// a card back hands over to the main window, which passes the set over for the next usable one.
#pragma once

#include <QObject>
#include <QString>
#include <functional>

#include "app/OutcomeFanOut.h"
#include "game/InputGate.h"

class QWidget;

namespace tavro {

class Announcer;
class SpokenOutcomes;
class TForm2;

class GameEndListener : public QObject, public OutcomeListener {
    Q_OBJECT
public:
    // `window`: the parent of the message and the context of the queued calls.
    GameEndListener(QWidget* window, InputGate& gate, Announcer& announcer,
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

private:
    void EnterTheLeads();
    void ShowWinner();
    void ReplaceCardSet();

    QWidget* window_;
    InputGate& gate_;
    Announcer& announcer_;
    const SpokenOutcomes& words_;
    TForm2* nameEntry_ = nullptr;
    std::function<void()> replaceCardSet_;
    InputGate::Hold leadsEntry_;   // from a qualifying end until the name is entered
    InputGate::Hold endMessage_;   // from the end of a game of two until its message is closed
    InputGate::Hold lostCardSet_;  // from a deal without a card back until the set is replaced
};

}  // namespace tavro
