// SPDX-License-Identifier: GPL-3.0-or-later
// The game's sounds as the main window plays them, off until a player turns them on. The sounds
// module, and Qt Multimedia with it, is loaded at the first turn-on or, when the stored setting
// is on, once the window has been painted for the first time: the start never waits for it.
// Each step of the game plays one sound, the one that tells most of what happened in it (a
// pair's chime rather than its second card's tick). A module that can't be loaded, or a machine
// without a sound device, leaves the game silent, with no message.
//
// The module sets up the sound device on a thread of its own; the window's thread never waits
// for the sound server. A server that has not answered within kSoundSetUpLimitMs (one that
// accepts a connection and never answers) silences the sounds for the rest of the run, with one
// notice; the setting stays as the player chose it, so that the next run tries again.
#pragma once

#include <QObject>
#include <QString>
#include <functional>
#include <optional>
#include <utility>

#include "app/OutcomeFanOut.h"
#include "audio/Sound.h"

class QWidget;

namespace tavro {

class SoundPlayer;

// How long the sound device's set-up may take before the sounds are silenced for the run.
inline constexpr int kSoundSetUpLimitMs = 3000;
// How long the end of the program waits for the sounds' thread (which may be stuck waiting for
// the sound server, and is then left behind).
inline constexpr int kSoundCloseWaitMs = 1000;

class GameSounds : public QObject, public OutcomeListener {
public:
    // Loads the player; null, with the reason in `error`, when it can't.
    using PlayerLoader = std::function<SoundPlayer*(QString* error)>;

    // folder: the "sounds" folder beside the game. By default the player is the sounds module.
    GameSounds(QString folder, QObject* parent, PlayerLoader loader = {},
               int setUpLimitMs = kSoundSetUpLimitMs);
    // Closes the player, waiting for it at most kSoundCloseWaitMs.
    ~GameSounds() override;

    // The stored setting at the start: with the sounds on, the module is loaded once
    // `lastPainted` (the board's last card, which is painted last) has first been painted.
    void RestoreAtStart(bool on, QWidget* lastPainted);
    // A player turns the sounds on or off; the first turn-on loads the module at once.
    void SetOn(bool on);
    // Plays the sound of what happened, once the step it belongs to is over.
    void Follow(const Outcome& outcome);
    void Hear(const Outcome& outcome) override { Follow(outcome); }
    // What tells the player, once in the run, that the sound device could not be set up in time.
    void OnSilenced(std::function<void()> notice) { notice_ = std::move(notice); }
    // Whether the sounds are silent for the rest of the run, whatever the setting.
    bool Silenced() const { return silenced_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void Load();
    void CheckSetUp();
    void PlayPending();

    QString folder_;
    PlayerLoader loader_;
    int setUpLimitMs_;
    bool on_ = false;
    bool loadTried_ = false;
    bool silenced_ = false;
    SoundPlayer* player_ = nullptr;  // owned by the module, which stays loaded
    std::optional<Sound> pending_;
    std::function<void()> notice_;
};

}  // namespace tavro
