// SPDX-License-Identifier: GPL-3.0-or-later
// What the records module offers the main window: games handed over to be written into the
// record of games off the GUI thread, and the name typed for the Leads added afterwards. Every
// call returns at once; the module tells of faults through the notice handler, once each, on
// the GUI thread. The main window includes only this header: Qt SQL stays out of the start-up.
#pragma once

#include <QString>
#include <QtPlugin>
#include <functional>

#include "records/GameRecord.h"

namespace tavro {

using RecordTicket = quint64;

class GameRecorder {
public:
    virtual ~GameRecorder() = default;

    // notice: a text for the player (a record that can't be written, a damaged file moved
    // aside). recorded: a game was written (an open statistics window may show it). Both are
    // called on the GUI thread, from the event loop.
    virtual void SetHandlers(std::function<void(const QString&)> notice,
                             std::function<void()> recorded) = 0;
    // Queues the game for the record in the player's data folder; the ticket names it later.
    virtual RecordTicket Record(const GameRecord& game) = 0;
    // Adds the name typed for the Leads to the game the ticket names.
    virtual void SetLeadName(RecordTicket ticket, const QString& name) = 0;
    // Waits until every queued write is done, at most `milliseconds`; false when time ran out.
    virtual bool WaitForWrites(int milliseconds) = 0;
};

}  // namespace tavro

#define TAVRO_GAME_RECORDER_IID "org.example.tavro_memory.GameRecorder/1"
Q_DECLARE_INTERFACE(tavro::GameRecorder, TAVRO_GAME_RECORDER_IID)
