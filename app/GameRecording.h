// SPDX-License-Identifier: GPL-3.0-or-later
// The main window's side of the record of games: it tallies each game from the core's outcomes,
// makes a GameRecord when a game ends or is left after at least one turn, and hands it to the
// records module, which it loads when the first game is to be recorded (so Qt SQL stays out of
// the start-up). A finished game is handed over from the event loop, after the name entry has
// been queued, so recording never delays the end-of-game dialogs; the name typed for the Leads
// follows it. Notices from the module go to the one error report.
#pragma once

#include <QPointer>
#include <QString>
#include <functional>
#include <optional>

#include "app/OutcomeFanOut.h"
#include "records/GameRecorder.h"
#include "records/GameTally.h"
#include "settings/Settings.h"

class QWidget;

namespace tavro {

class GameRecording : public OutcomeListener {
public:
    // `window`: the parent of notices and the context of the queued hand-over. `settings`: the
    // ones a new deal is played with.
    GameRecording(QWidget* window, const Settings& settings);
    ~GameRecording();
    GameRecording(const GameRecording&) = delete;
    GameRecording& operator=(const GameRecording&) = delete;

    // Every outcome of the core, once the end of a game has queued what follows it.
    void Hear(const Outcome& outcome) override;
    // The game on the board is left (by New, an Options change, a change of players or Exit):
    // one with a turn taken and not finished is recorded as left.
    void Leave(GameEnd why);
    // Whether games are recorded (Play > Record games; off until a player turns it on). A game
    // is recorded when it ends or is left while this is on.
    void SetRecording(bool on) { on_ = on; }
    // The name typed for the Leads after the game that just ended.
    void NameEntered(const QString& name);
    // Hands over a finished game whose queued hand-over has not run yet (at exit).
    void HandOverPending();
    // Called on the GUI thread after a game was written (an open statistics window refreshes).
    void SetRecordedHandler(std::function<void()> recorded) { recorded_ = std::move(recorded); }
    // Waits for the games handed over to be written, at most `milliseconds` (for tests).
    bool WaitForWrites(int milliseconds);

private:
    GameRecord RecordOf(GameEnd end) const;
    RecordTicket HandOver(const GameRecord& record);
    GameRecorder* Recorder();

    QPointer<QWidget> window_;
    const Settings& settings_;
    GameTally tally_;
    Settings dealtWith_;  // the settings of the game on the board
    bool on_ = false;
    bool left_ = false;                           // the game on the board was recorded as left
    std::optional<GameRecord> pending_;           // a finished game not handed over yet
    std::optional<RecordTicket> finishedTicket_;  // the last finished game handed over
    GameRecorder* recorder_ = nullptr;
    bool recorderMissing_ = false;
    std::function<void()> recorded_;
};

}  // namespace tavro
