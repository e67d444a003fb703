// SPDX-License-Identifier: GPL-3.0-or-later
// The interface of the sounds module (libtavro_sounds.so, loaded through modules/ModuleLoader):
// the main window hands it the sounds folder once and then names a sound to play. Everything of
// Qt Multimedia stays inside the module, so that the game loads it only once sounds are on, and
// on a thread of the module's own: a sound server that accepts a connection and never answers
// keeps Qt Multimedia waiting (about 30 s for each attempt), and none of the calls here waits
// for it.
#pragma once

#include <QString>
#include <QtPlugin>

#include "audio/Sound.h"

namespace tavro {

class SoundPlayer {
public:
    virtual ~SoundPlayer() = default;
    // Starts the module's thread, which sets up the sound device and reads the sounds from the
    // folder; returns at once. A sound whose file is missing or no valid sound stays silent; so
    // do all of them without a sound device. Nothing here reports an error.
    virtual void Load(const QString& folder) = 0;
    // Whether the sound device's set-up has finished since Load, found or not; false while the
    // sound server is still being waited for. Any thread.
    virtual bool SetUp() const = 0;
    // Asks for the sound to be played from its start, over whatever else is playing; returns at
    // once. Sounds asked for before the set-up has finished play after it.
    virtual void Play(Sound sound) = 0;
    // Ends the module's thread, waiting for it at most `waitMs` milliseconds; a thread still
    // waiting for the sound server then is left behind, and nothing plays any more. Called once,
    // at the end; the program may end with such a thread left.
    virtual void Close(int waitMs) = 0;
};

}  // namespace tavro

Q_DECLARE_INTERFACE(tavro::SoundPlayer, "org.example.tavro_memory.SoundPlayer/2")
