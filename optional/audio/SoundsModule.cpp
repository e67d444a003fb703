// SPDX-License-Identifier: GPL-3.0-or-later
// The root object of the sounds module (libtavro_sounds.so): the SoundPlayer the game loads
// once sounds are on. A SoundBoard plays the sounds on a thread of the module's own, which owns
// every Qt Multimedia object; the game's thread only posts to it and never waits for it, except
// for a bounded wait at the end.
#include <QDeadlineTimer>
#include <QObject>
#include <QThread>
#include <cstdio>
#include <cstdlib>

#include "audio/SoundBoard.h"
#include "audio/SoundPlayer.h"

namespace tavro {
namespace {

// Ends the process with its status as soon as exit() begins, before the clean-up of the
// libraries: Qt Multimedia's clean-up would take a lock that the abandoned thread holds while it
// waits for the sound server (up to 30 s). Everything of the program's own, settings included,
// has been saved and closed by then, as the windows and the application object are gone.
void EndAtExit(int status, void* /*unused*/) {
    std::fflush(nullptr);
    std::_Exit(status);
}

void EndWithoutMultimediaCleanUp() {
    // on_exit (glibc) runs before the handlers registered earlier, the libraries' among them,
    // and is told the exit status.
    on_exit(EndAtExit, nullptr);
}

}  // namespace

class SoundsModule : public QObject, public SoundPlayer {
    Q_OBJECT
    Q_PLUGIN_METADATA(IID "org.example.tavro_memory.SoundPlayer/2")
    Q_INTERFACES(tavro::SoundPlayer)
public:
    // The module stays loaded until the program ends; the thread and board are ended by Close,
    // never here, where a thread still running would end the program.
    ~SoundsModule() override = default;

    void Load(const QString& folder) override {
        if (thread_ != nullptr) {
            return;
        }
        // Neither has a parent: when the thread does not end in time, both are left behind.
        thread_ = new QThread;
        thread_->setObjectName(QStringLiteral("tavro sounds"));
        board_ = new SoundBoard;
        board_->moveToThread(thread_);
        // The board and its sounds go with their thread, in it, as its event loop ends.
        connect(thread_, &QThread::finished, board_, &QObject::deleteLater);
        thread_->start();
        QMetaObject::invokeMethod(
            board_, [board = board_, folder] { board->Load(folder); }, Qt::QueuedConnection);
    }

    bool SetUp() const override { return board_ != nullptr && board_->DeviceSetUp(); }

    void Play(Sound sound) override {
        if (board_ != nullptr) {
            QMetaObject::invokeMethod(
                board_, [board = board_, sound] { board->Play(sound); }, Qt::QueuedConnection);
        }
    }

    void Close(int waitMs) override {
        if (thread_ == nullptr) {
            return;
        }
        thread_->quit();
        if (thread_->wait(QDeadlineTimer(waitMs))) {
            delete thread_;  // the board went with its event loop
        } else {
            // The thread still waits for the sound server, inside Qt Multimedia: it and its board
            // are abandoned, as deleting a running QThread ends the program.
            EndWithoutMultimediaCleanUp();
        }
        thread_ = nullptr;
        board_ = nullptr;
    }

private:
    QThread* thread_ = nullptr;
    SoundBoard* board_ = nullptr;  // lives on thread_
};

}  // namespace tavro

#include "SoundsModule.moc"
