// SPDX-License-Identifier: GPL-3.0-or-later
// The main window's sound and score items of the "&Play" menu: "So&unds", a check item kept in
// the settings, and "Say the &score" (F6), which has a screen reader speak the points. Both work
// while the board waits: neither changes the game. When the sound system does not answer, a
// notice says that the sounds are off for this run; the item stays as the player left it.
#include <QAction>
#include <QDir>
#include <QLabel>
#include <QMenu>
#include <QMessageBox>

#include "app/GameSounds.h"
#include "app/Unit1.h"
#include "audio/Sound.h"
#include "controls/PictureBox.h"
#include "dialogkit/Announcer.h"
#include "dialogkit/ShownText.h"
#include "settings/CardSet.h"
#include "tavro/ProgramInfo.h"

namespace tavro {

void TForm1::AddSoundAndScoreItems() {
    if (!Play1->actions().isEmpty()) {
        Play1->addSeparator();  // after who plays
    }
    Sounds1 = Play1->addAction(tr("So&unds"));
    Sounds1->setObjectName(QStringLiteral("Sounds1"));
    Sounds1->setCheckable(true);
    Saythescore1 = Play1->addAction(tr("Say the &score"));
    Saythescore1->setObjectName(QStringLiteral("Saythescore1"));
    Saythescore1->setShortcut(QKeySequence(Qt::Key_F6));
    // triggered, not toggled: only a player's choice, never the stored setting, loads at once.
    connect(Sounds1, &QAction::triggered, this, &TForm1::Sounds1Click);
    connect(Saythescore1, &QAction::triggered, this, &TForm1::Saythescore1Click);
    const QString programFolder =
        startup_.programFolder.isEmpty() ? ExecutableFolder() : startup_.programFolder;
    sounds_ = new GameSounds(QDir(programFolder).filePath(QLatin1String(kSoundsFolderName)), this);
    sounds_->OnSilenced([this] { ShowSoundsSilenced(); });
}

// Told once in a run, without stopping the game: a message box that is not modal.
void TForm1::ShowSoundsSilenced() {
    auto* box = new QMessageBox(
        QMessageBox::Information, QStringLiteral(TAVRO_PROGRAM_NAME),
        tr("The sound system does not answer. The sounds stay off until Tavro Memory is started "
           "again."),
        QMessageBox::Ok, this);
    box->setObjectName(QStringLiteral("SoundsSilencedBox"));
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->setWindowModality(Qt::NonModal);
    box->show();
}

void TForm1::RestoreSounds() {
    Sounds1->setChecked(state_.Config.Play.Sounds);
    sounds_->RestoreAtStart(state_.Config.Play.Sounds, Image(kTileCount));
}

void TForm1::Sounds1Click(bool on) {
    state_.Config.Play.Sounds = on;  // saved with the other settings when the window closes
    sounds_->SetOn(on);
    announcer_->Announce(on ? tr("Sounds on.") : tr("Sounds off."));
}

void TForm1::Saythescore1Click() {
    announcer_->Announce(ScoreSpoken());
}

// What the window shows of the score, as a sentence: the points line; in a game of two both
// players' points and whose turn it is (or, once it is over, who won).
QString TForm1::ScoreSpoken() const {
    if (!IsGameOfTwo()) {
        return tr("%1 points.").arg(Label2->text());
    }
    const QString points = tr("%1: %2 points, %3: %4 points.")
                               .arg(ShownText(PlayerName(0)), QString::number(engine_.ScoreOf(0)),
                                    ShownText(PlayerName(1)), QString::number(engine_.ScoreOf(1)));
    if (state_.Game.MatchedCount >= kTileCount) {
        return points + QLatin1Char(' ') + EndOfGameText();
    }
    return points + QLatin1Char(' ') + TurnText(state_.Game.CurrentPlayer) + QLatin1Char('.');
}

}  // namespace tavro
