// SPDX-License-Identifier: GPL-3.0-or-later
// The game's sounds as the main window plays them, off until a player turns them on. The sounds
// module, and Qt Multimedia with it, is loaded at the first turn-on or, when the stored setting
// is on, once the window has been painted for the first time: the start never waits for it.
// Each step of the game plays one sound, the one that tells most of what happened in it (a
// pair's chime rather than its second card's tick). A module that can't be loaded, or a machine
// without a sound device, leaves the game silent, with no message.
#pragma once

#include <QObject>
#include <QString>
#include <optional>

#include "audio/Sound.h"
#include "game/BoardView.h"

class QWidget;

namespace tavro {

class SoundPlayer;

class GameSounds : public QObject {
public:
    // folder: the "sounds" folder beside the game.
    GameSounds(QString folder, QObject* parent);

    // The stored setting at the start: with the sounds on, the module is loaded once
    // `lastPainted` (the board's last card, which is painted last) has first been painted.
    void RestoreAtStart(bool on, QWidget* lastPainted);
    // A player turns the sounds on or off; the first turn-on loads the module at once.
    void SetOn(bool on);
    bool IsOn() const { return on_; }
    // Plays the sound of what happened, once the step it belongs to is over.
    void Follow(const Outcome& outcome);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void Load();
    void PlayPending();

    QString folder_;
    bool on_ = false;
    bool loadTried_ = false;
    SoundPlayer* player_ = nullptr;  // owned by the module, which stays loaded
    std::optional<Sound> pending_;
};

}  // namespace tavro
