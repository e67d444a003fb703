// SPDX-License-Identifier: GPL-3.0-or-later
// Reads the pictures the window asks for off its own thread, so that it keeps answering clicks
// and typing while big photos are read: each read runs on a pool of its own (Qt Concurrent) with
// at most two at once, as the core's memory budget for reads is made for, at a low priority. The
// reads come back on the window's thread one by one in the order they were asked for, each as it
// is done, so that the window shows each card as it arrives. Cancel stops between two reads: the
// reads under way finish on their own and their pictures are let go. Nothing here touches a
// widget; each read only calls the core's thread-safe reading functions.
#pragma once

#include <QObject>
#include <QThreadPool>
#include <atomic>
#include <functional>
#include <map>
#include <memory>
#include <vector>

#include "cardmaker/MakerPicture.h"

namespace tavro::cardmaker {

class PictureLoader : public QObject {
    Q_OBJECT
public:
    // One picture to read: a call of the core's thread-safe reading functions only.
    using Read = std::function<PictureRead()>;

    explicit PictureLoader(QObject* parent = nullptr);
    // Waits for the reads under way (a moment each).
    ~PictureLoader() override;

    // Starts reading the pictures; a load under way is cancelled first.
    void start(std::vector<Read> reads);
    // Stops after the reads under way; finished(true) follows at once.
    void cancel();
    bool isLoading() const { return loading_; }

signals:
    // Picture `index` of the load was read (or refused, with the reason in read.problem).
    void pictureRead(int index, const tavro::cardmaker::PictureRead& read);
    void progressed(int done, int total);
    void finished(bool cancelled);

private:
    void startReads();
    void arrived(quint64 load, int index, PictureRead read);

    QThreadPool pool_;
    std::vector<Read> reads_;
    // Set when the load is cancelled: its reads that have not begun end at once.
    std::shared_ptr<std::atomic<bool>> stop_ = std::make_shared<std::atomic<bool>>(false);
    std::map<int, PictureRead> early_;  // reads done before one asked for earlier
    quint64 load_ = 0;                  // counts the loads, so that a cancelled one's reads
                                        // are told apart when they come back
    int started_ = 0;
    int delivered_ = 0;
    bool loading_ = false;
};

}  // namespace tavro::cardmaker
