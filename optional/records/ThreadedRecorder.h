// SPDX-License-Identifier: GPL-3.0-or-later
// The recorder the records module offers: games are written by a RecordWriter on a worker
// thread of its own, in the order they were handed over, so neither the end of a game nor its
// dialogs ever wait for the disk. Notices and "recorded" come back to the GUI thread through
// its event loop. Destroying it writes what is queued (waiting a bounded time) and stops the
// thread.
#pragma once

#include <QHash>
#include <QMutex>
#include <QObject>
#include <QThread>
#include <QWaitCondition>
#include <functional>
#include <memory>
#include <utility>

#include "records/GameRecorder.h"

namespace tavro {

class RecordWriter;

class ThreadedRecorder : public QObject, public GameRecorder {
    Q_OBJECT
    Q_INTERFACES(tavro::GameRecorder)
public:
    // `recordsPath` names the record each game goes into, asked on the GUI thread as the game
    // is handed over (RecordsFilePath, unless a test names another).
    explicit ThreadedRecorder(std::function<QString()> recordsPath);
    ThreadedRecorder();
    ~ThreadedRecorder() override;

    void SetHandlers(std::function<void(const QString&)> notice,
                     std::function<void()> recorded) override;
    RecordTicket Record(const GameRecord& game) override;
    void SetLeadName(RecordTicket ticket, const QString& name) override;
    bool WaitForWrites(int milliseconds) override;

private:
    // Runs the job on the worker thread after every job queued before it.
    void Queue(std::function<void()> job);
    // From the worker: calls the handler on the GUI thread.
    void Tell(const QString& notice);
    void TellRecorded();

    std::function<QString()> recordsPath_;
    std::function<void(const QString&)> notice_;
    std::function<void()> recorded_;
    RecordTicket nextTicket_ = 1;

    QThread thread_;
    QObject* worker_ = nullptr;             // lives on thread_: the jobs' context
    std::unique_ptr<RecordWriter> writer_;  // used on thread_ only
    QHash<RecordTicket, std::pair<QString, qint64>> written_;  // thread_ only: path, row id

    QMutex mutex_;
    QWaitCondition idle_;
    int pending_ = 0;  // jobs queued and not yet done
};

}  // namespace tavro
