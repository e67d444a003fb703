// SPDX-License-Identifier: GPL-3.0-or-later
// The cards' motion as the outcomes ask for it; see CardMotion.h.
#include "app/CardMotion.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QWidget>

#include "app/Celebration.h"
#include "controls/PictureBox.h"
#include "game/GameState.h"

namespace tavro {
namespace {

constexpr qint64 kGtkSettingsLimit = 64 * 1024;

}  // namespace

bool GtkSettingsDisableAnimations(const QString& text) {
    static const QRegularExpression line(
        QStringLiteral(R"(^\s*gtk-enable-animations\s*=\s*(\S+)\s*$)"),
        QRegularExpression::MultilineOption);
    bool disabled = false;
    for (auto it = line.globalMatch(text); it.hasNext();) {
        const QString value = it.next().captured(1).toLower();
        // The last line wins, as GTK reads the file.
        disabled = value == QLatin1String("false") || value == QLatin1String("0");
    }
    return disabled;
}

bool DesktopAsksForLessMotion() {
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
    if (folder.isEmpty()) {
        return false;
    }
    const QString path = QDir(folder).filePath(QStringLiteral("gtk-3.0/settings.ini"));
    const QFileInfo info(path);
    if (!info.isFile() || info.isSymLink() || info.size() > kGtkSettingsLimit) {
        return false;
    }
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        return false;
    }
    return GtkSettingsDisableAnimations(QString::fromUtf8(file.read(kGtkSettingsLimit)));
}

CardMotion::CardMotion(ImageOf images, QWidget* board, bool lessMotion, QObject* parent)
    : QObject(parent), images_(std::move(images)), board_(board), lessMotion_(lessMotion) {}

void CardMotion::SetOn(bool on) {
    on_ = on;
    if (!on_) {
        StopAll();
    }
}

void CardMotion::Turn(int tile) {
    if (tile >= 1 && tile <= kTileCount) {
        images_(tile)->animateTurn(kCardTurnMs);
    }
}

void CardMotion::Lift(int tile) {
    if (tile >= 1 && tile <= kTileCount) {
        images_(tile)->animateLift(kPairLiftMs);
    }
}

void CardMotion::StopAll() {
    for (int tile = 1; tile <= kTileCount; ++tile) {
        images_(tile)->stopMotion();
    }
    if (celebration_ != nullptr) {
        celebration_->hide();
        celebration_->deleteLater();
        celebration_ = nullptr;
    }
}

void CardMotion::Hear(const Outcome& outcome) {
    if (!Moving()) {
        return;
    }
    switch (outcome.kind) {
        case Outcome::Kind::FaceShown:
            Turn(outcome.first);
            break;
        case Outcome::Kind::PairMatched:
            Lift(outcome.first);
            Lift(outcome.second);
            break;
        case Outcome::Kind::PairTurnedBack:
            Turn(outcome.first);
            Turn(outcome.second);
            break;
        case Outcome::Kind::GameEnded:
            if (celebration_ == nullptr && board_ != nullptr) {
                celebration_ = new Celebration(board_, kCelebrationMs);
            }
            break;
        case Outcome::Kind::NewGameDealt:
            StopAll();  // a new deal shows still cards at once
            break;
        default:
            break;
    }
}

}  // namespace tavro
