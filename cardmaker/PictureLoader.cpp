// SPDX-License-Identifier: GPL-3.0-or-later
// Reading pictures on a pool of two threads and handing them back in order.
#include "cardmaker/PictureLoader.h"

#include <QCoreApplication>
#include <QFutureWatcher>
#include <QtConcurrent/QtConcurrentRun>
#include <exception>
#include <new>

namespace tavro::cardmaker {
namespace {

struct LoaderText {
    Q_DECLARE_TR_FUNCTIONS(CardMaker)
};

// Reads at once: the core's memory budget for reads is shared by all of them, so more would
// only wait for memory, and two keep both of a small machine's cores busy.
constexpr int kReadsAtOnce = 2;
// Reads done but not yet handed back, as one before them takes longer, are few.
constexpr int kReadsAhead = 2 * kReadsAtOnce;

// The read, with whatever it throws turned into a refusal: nothing may cross the thread.
PictureRead ReadGuarded(const PictureLoader::Read& read) {
    try {
        return read();
    } catch (const std::bad_alloc&) {
        return {{}, LoaderText::tr("there is not enough memory to read it")};
    } catch (...) {
        return {{}, LoaderText::tr("it could not be read")};
    }
}

}  // namespace

PictureLoader::PictureLoader(QObject* parent) : QObject(parent) {
    pool_.setMaxThreadCount(kReadsAtOnce);
    // The window's own thread comes first: it answers the player.
    pool_.setThreadPriority(QThread::LowPriority);
}

PictureLoader::~PictureLoader() {
    loading_ = false;
    stop_->store(true);
    pool_.waitForDone();
}

void PictureLoader::start(std::vector<Read> reads) {
    cancel();
    ++load_;
    stop_ = std::make_shared<std::atomic<bool>>(false);
    reads_ = std::move(reads);
    early_.clear();
    started_ = 0;
    delivered_ = 0;
    loading_ = true;
    emit progressed(0, static_cast<int>(reads_.size()));
    if (reads_.empty()) {
        loading_ = false;
        emit finished(false);
        return;
    }
    startReads();
}

void PictureLoader::cancel() {
    if (!loading_) {
        return;
    }
    loading_ = false;
    stop_->store(true);  // reads still waiting in the queue end at once
    ++load_;             // what the reads under way bring back is let go
    reads_.clear();
    early_.clear();
    emit finished(true);
}

void PictureLoader::startReads() {
    const int total = static_cast<int>(reads_.size());
    // The pool runs two at once; the others wait in its queue.
    while (started_ < total && started_ - delivered_ < kReadsAhead) {
        const int index = started_++;
        auto* watcher = new QFutureWatcher<PictureRead>(this);
        connect(watcher, &QFutureWatcher<PictureRead>::finished, this,
                [this, watcher, index, load = load_] {
                    watcher->deleteLater();
                    arrived(load, index, watcher->result());
                });
        watcher->setFuture(QtConcurrent::run(&pool_, [read = reads_[index], stop = stop_] {
            return stop->load() ? PictureRead{} : ReadGuarded(read);
        }));
    }
}

void PictureLoader::arrived(quint64 load, int index, PictureRead read) {
    if (load != load_ || !loading_) {
        return;
    }
    early_.emplace(index, std::move(read));
    const int total = static_cast<int>(reads_.size());
    for (auto next = early_.find(delivered_); next != early_.end();
         next = early_.find(delivered_)) {
        const PictureRead ready = std::move(next->second);
        early_.erase(next);
        ++delivered_;
        emit pictureRead(delivered_ - 1, ready);
        if (load != load_ || !loading_) {
            return;  // the window cancelled, or started another load
        }
        emit progressed(delivered_, total);
    }
    if (delivered_ == total) {
        loading_ = false;
        reads_.clear();
        emit finished(false);
        return;
    }
    startReads();
}

}  // namespace tavro::cardmaker
