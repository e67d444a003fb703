// SPDX-License-Identifier: GPL-3.0-or-later
// The interface of the sounds module (libtavro_sounds.so, loaded through modules/ModuleLoader):
// the main window hands it the sounds folder once and then names a sound to play. Everything of
// Qt Multimedia stays inside the module, so that the game loads it only once sounds are on.
#pragma once

#include <QString>
#include <QtPlugin>

#include "audio/Sound.h"

namespace tavro {

class SoundPlayer {
public:
    virtual ~SoundPlayer() = default;
    // Reads the sounds from the folder. A sound whose file is missing or no valid sound stays
    // silent; so do all of them without a sound device. Nothing here reports an error.
    virtual void Load(const QString& folder) = 0;
    // Plays the sound from its start, over whatever else is playing.
    virtual void Play(Sound sound) = 0;
};

}  // namespace tavro

Q_DECLARE_INTERFACE(tavro::SoundPlayer, "org.example.tavro_memory.SoundPlayer/1")
