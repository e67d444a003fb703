// SPDX-License-Identifier: GPL-3.0-or-later
// The cards' motion, off until a player turns it on: each turned card turns over on the screen, a
// pair lifts with a short bright frame, a mismatched pair turns back the same way, and the end of
// a game throws a short burst of confetti over the board. It only draws: it listens to the core's
// outcomes after the board already shows them, never holds the input gate and never changes a
// wait, so a keyboard or screen-reader player gets every key and announcement exactly when they
// would come without it.
#pragma once

#include <QObject>
#include <QPointer>
#include <QString>
#include <functional>

#include "app/Celebration.h"
#include "app/OutcomeFanOut.h"

class QWidget;

namespace tavro {

class PictureBox;

// How long each motion runs.
inline constexpr int kCardTurnMs = 180;
inline constexpr int kPairLiftMs = 250;
inline constexpr int kCelebrationMs = 1200;

// Whether the desktop asks programs for less motion. Qt 6.4 tells nothing of it, so this reads
// GTK 3's own settings file ($XDG_CONFIG_HOME/gtk-3.0/settings.ini, at most 64 KiB, a regular
// file only) for "gtk-enable-animations = false", where desktop tools write the choice.
bool DesktopAsksForLessMotion();
// The same, read from a settings file's text.
bool GtkSettingsDisableAnimations(const QString& text);

class CardMotion : public QObject, public OutcomeListener {
public:
    using ImageOf = std::function<PictureBox*(int tile)>;

    // images: tile k's picture control; board: what the end's confetti covers. lessMotion: the
    // desktop asks for less motion, and the cards stay still even when the switch is on.
    CardMotion(ImageOf images, QWidget* board, bool lessMotion, QObject* parent);

    void SetOn(bool on);
    bool On() const { return on_; }
    // Whether motion is drawn now: on, and the desktop does not ask for less.
    bool Moving() const { return on_ && !lessMotion_; }
    void Hear(const Outcome& outcome) override;
    // The end's confetti while it is shown; null otherwise.
    Celebration* Shown() const { return celebration_; }

private:
    void Turn(int tile);
    void Lift(int tile);
    void StopAll();

    ImageOf images_;
    QWidget* board_;
    bool lessMotion_;
    bool on_ = false;
    QPointer<Celebration> celebration_;
};

}  // namespace tavro
