// SPDX-License-Identifier: GPL-3.0-or-later
// The worker thread, the queue of jobs and the way back to the GUI thread.
#include "records/ThreadedRecorder.h"

#include <QDeadlineTimer>
#include <QMutexLocker>
#include <atomic>

#include "records/RecordWriter.h"
#include "records/RecordsFile.h"

namespace tavro {
namespace {

// How long the end of the program waits for games still being written: SQLite's own wait for a
// lock (5 s) and a slow disk.
constexpr int kFinishWaitMs = 15000;

QString UniqueConnectionName() {
    static std::atomic<int> count{0};
    return QStringLiteral("tavro-records-writer-%1").arg(++count);
}

}  // namespace

ThreadedRecorder::ThreadedRecorder() : ThreadedRecorder(RecordsFilePath) {}

ThreadedRecorder::ThreadedRecorder(std::function<QString()> recordsPath)
    : recordsPath_(std::move(recordsPath)),
      worker_(new QObject),
      writer_(std::make_unique<RecordWriter>(UniqueConnectionName(),
                                             [this](const QString& text) { Tell(text); })) {
    thread_.setObjectName(QStringLiteral("tavro-records"));
    worker_->moveToThread(&thread_);
    thread_.start(QThread::LowPriority);
}

ThreadedRecorder::~ThreadedRecorder() {
    // The connection goes on the thread that made it; then the thread ends after the last job.
    Queue([this] { writer_.reset(); });
    QMetaObject::invokeMethod(
        worker_, [this] { thread_.quit(); }, Qt::QueuedConnection);
    if (!thread_.wait(QDeadlineTimer(kFinishWaitMs))) {
        // A write stuck beyond every wait: the process is ending, and SQLite's journal undoes
        // a transaction cut off here.
        thread_.terminate();
        thread_.wait();
    }
    delete worker_;
}

void ThreadedRecorder::SetHandlers(std::function<void(const QString&)> notice,
                                   std::function<void()> recorded) {
    notice_ = std::move(notice);
    recorded_ = std::move(recorded);
}

RecordTicket ThreadedRecorder::Record(const GameRecord& game) {
    const RecordTicket ticket = nextTicket_++;
    const QString path = recordsPath_();
    Queue([this, ticket, path, game] {
        const qint64 id = writer_->Write(path, game);
        if (id > 0) {
            written_.insert(ticket, {path, id});
            TellRecorded();
        }
    });
    return ticket;
}

void ThreadedRecorder::SetLeadName(RecordTicket ticket, const QString& name) {
    Queue([this, ticket, name] {
        const auto found = written_.constFind(ticket);
        if (found != written_.constEnd()) {
            writer_->SetLeadName(found->first, found->second, name);
            TellRecorded();
        }
    });
}

bool ThreadedRecorder::WaitForWrites(int milliseconds) {
    QDeadlineTimer deadline(milliseconds);
    QMutexLocker locker(&mutex_);
    while (pending_ > 0) {
        if (!idle_.wait(&mutex_, deadline)) {
            return pending_ == 0;
        }
    }
    return true;
}

void ThreadedRecorder::Queue(std::function<void()> job) {
    {
        QMutexLocker locker(&mutex_);
        ++pending_;
    }
    QMetaObject::invokeMethod(
        worker_,
        [this, job = std::move(job)] {
            job();
            QMutexLocker locker(&mutex_);
            if (--pending_ == 0) {
                idle_.wakeAll();
            }
        },
        Qt::QueuedConnection);
}

void ThreadedRecorder::Tell(const QString& notice) {
    QMetaObject::invokeMethod(
        this,
        [this, notice] {
            if (notice_) {
                notice_(notice);
            }
        },
        Qt::QueuedConnection);
}

void ThreadedRecorder::TellRecorded() {
    QMetaObject::invokeMethod(
        this,
        [this] {
            if (recorded_) {
                recorded_();
            }
        },
        Qt::QueuedConnection);
}

}  // namespace tavro
