// SPDX-License-Identifier: GPL-3.0-or-later
// The sounds module's player: one QSoundEffect for each of the game's sounds, read from the
// sounds folder after a check of each file. Qt Multimedia plays them on the default sound
// device; without one, nothing plays and nothing is reported. The module runs the board on a
// thread of its own (SoundsModule.cpp), as its first use of Qt Multimedia waits for the sound
// server.
#pragma once

#include <QByteArray>
#include <QObject>
#include <QString>
#include <array>
#include <atomic>

#include "audio/Sound.h"

class QSoundEffect;

namespace tavro {

// The largest sound file read (the game's own are a few dozen KiB).
inline constexpr qint64 kMaxSoundFileBytes = 1024 * 1024;

// Whether the bytes hold a sound the board plays: a RIFF WAVE file of 16-bit PCM, one or two
// channels, 8000 to 48000 frames a second, whose samples lie within the file.
bool IsPlayableWave(const QByteArray& bytes);

class SoundBoard : public QObject {
public:
    explicit SoundBoard(QObject* parent = nullptr);

    // Sets up the sound device (which waits for the sound server), then reads the sounds from
    // the folder: each a regular file of at most kMaxSoundFileBytes that IsPlayableWave accepts;
    // any other stays silent.
    void Load(const QString& folder);
    // Whether Load has set up the sound device, found or not. Any thread.
    bool DeviceSetUp() const { return deviceSetUp_.load(std::memory_order_acquire); }
    void Play(Sound sound);
    // Whether the sound's file was accepted (for the tests).
    bool Loaded(Sound sound) const;

private:
    std::array<QSoundEffect*, kSoundCount> effects_{};
    std::atomic<bool> deviceSetUp_{false};
};

}  // namespace tavro
