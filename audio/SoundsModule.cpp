// SPDX-License-Identifier: GPL-3.0-or-later
// The root object of the sounds module (libtavro_sounds.so): the SoundPlayer the game loads
// once sounds are on, played by a SoundBoard.
#include <QObject>

#include "audio/SoundBoard.h"
#include "audio/SoundPlayer.h"

namespace tavro {

class SoundsModule : public QObject, public SoundPlayer {
    Q_OBJECT
    Q_PLUGIN_METADATA(IID "org.example.tavro_memory.SoundPlayer/1")
    Q_INTERFACES(tavro::SoundPlayer)
public:
    void Load(const QString& folder) override { board_.Load(folder); }
    void Play(Sound sound) override { board_.Play(sound); }

private:
    SoundBoard board_;
};

}  // namespace tavro

#include "SoundsModule.moc"
