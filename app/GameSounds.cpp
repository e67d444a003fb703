// SPDX-License-Identifier: GPL-3.0-or-later
// Playing the game's sounds through the sounds module; see GameSounds.h.
#include "app/GameSounds.h"

#include <QEvent>
#include <QTimer>
#include <QWidget>
#include <utility>

#include "audio/SoundPlayer.h"
#include "modules/ModuleLoader.h"

namespace tavro {
namespace {

// Which of a step's sounds is played: the later kinds tell more.
int Weight(Sound sound) {
    switch (sound) {
        case Sound::Turn:
            return 0;
        case Sound::Hint:
            return 1;
        case Sound::Miss:
            return 2;
        case Sound::Match:
            return 3;
        case Sound::GameEnd:
            return 4;
        case Sound::HighScore:
            return 5;
    }
    return 0;
}

std::optional<Sound> SoundOf(const Outcome& outcome) {
    switch (outcome.kind) {
        case Outcome::Kind::FaceShown:
            return Sound::Turn;
        case Outcome::Kind::PairMatched:
            return Sound::Match;
        case Outcome::Kind::PairMismatched:
            return Sound::Miss;
        case Outcome::Kind::HintShown:
            return Sound::Hint;
        case Outcome::Kind::GameEnded:
            return outcome.qualifiesForLeads ? Sound::HighScore : Sound::GameEnd;
        default:
            return std::nullopt;
    }
}

}  // namespace

GameSounds::GameSounds(QString folder, QObject* parent, PlayerLoader loader, int setUpLimitMs)
    : QObject(parent),
      folder_(std::move(folder)),
      loader_(std::move(loader)),
      setUpLimitMs_(setUpLimitMs) {
    if (!loader_) {
        loader_ = [](QString* error) {
            return LoadModuleAs<SoundPlayer>(QStringLiteral("sounds"), error);
        };
    }
}

GameSounds::~GameSounds() {
    if (player_ != nullptr) {
        player_->Close(kSoundCloseWaitMs);
    }
}

void GameSounds::SetOn(bool on) {
    on_ = on;
    if (on_) {
        Load();
    }
}

void GameSounds::RestoreAtStart(bool on, QWidget* lastPainted) {
    on_ = on;
    if (on_ && lastPainted != nullptr) {
        lastPainted->installEventFilter(this);
    }
}

bool GameSounds::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::Paint) {
        watched->removeEventFilter(this);
        // A little after this paint is done and on the screen, so that neither the start nor
        // the first paint waits for Qt Multimedia; no one turns a card sooner.
        constexpr int kLoadAfterFirstPaintMs = 250;
        QTimer::singleShot(kLoadAfterFirstPaintMs, this, [this] {
            if (on_) {
                Load();
            }
        });
    }
    return QObject::eventFilter(watched, event);
}

void GameSounds::Load() {
    if (loadTried_) {
        return;
    }
    loadTried_ = true;
    QString error;
    player_ = loader_(&error);
    if (player_ == nullptr) {
        qWarning("Tavro Memory plays no sounds: %s", qUtf8Printable(error));
        return;
    }
    player_->Load(folder_);
    QTimer::singleShot(setUpLimitMs_, this, &GameSounds::CheckSetUp);
}

void GameSounds::CheckSetUp() {
    if (player_ == nullptr || player_->SetUp()) {
        return;
    }
    qWarning("Tavro Memory plays no sounds: the sound server did not answer within %d ms",
             setUpLimitMs_);
    silenced_ = true;
    pending_.reset();
    if (notice_) {
        notice_();
    }
}

void GameSounds::Follow(const Outcome& outcome) {
    const std::optional<Sound> sound = SoundOf(outcome);
    if (!on_ || silenced_ || !sound) {
        return;
    }
    if (!pending_) {
        QTimer::singleShot(0, this, &GameSounds::PlayPending);
        pending_ = sound;
    } else if (Weight(*sound) > Weight(*pending_)) {
        pending_ = sound;
    }
}

void GameSounds::PlayPending() {
    const std::optional<Sound> sound = std::exchange(pending_, std::nullopt);
    // A sound asked for while the device is still being set up is dropped, not kept to play
    // late, together with others, once the server answers.
    if (on_ && !silenced_ && sound && player_ != nullptr && player_->SetUp()) {
        player_->Play(*sound);
    }
}

}  // namespace tavro
