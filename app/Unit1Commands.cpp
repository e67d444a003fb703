// SPDX-License-Identifier: GPL-3.0-or-later
// The main window's start-up (FormCreate), its close (FormClose), its commands (the tile clicks,
// the menu items and the Play menu's), what it does when Options says what changed, and the card
// set dealt: one that can no longer be dealt is passed over for the next usable one, at start and
// in play alike. Every command but Exit does nothing while the input gate is closed, and every
// one reports what it throws instead of letting it reach the event loop.
#include <QCloseEvent>
#include <exception>
#include <utility>

#include <QMessageBox>
#include <stdexcept>

#include "app/BoardSizing.h"
#include "app/CardMotion.h"
#include "app/CardSizes.h"
#include "app/GameEndListener.h"
#include "app/GameSounds.h"
#include "app/PlayMenu.h"
#include "app/SpokenOutcomes.h"
#include "app/Unit1.h"
#include "controls/PictureBox.h"
#include "dialogkit/Announcer.h"
#include "dialogkit/ErrorReport.h"
#include "dialogkit/ShownText.h"
#include "dialogs/HowToPlay.h"
#include "dialogs/Unit4.h"
#include "dialogs/Unit5.h"
#include "game/CardSetLayout.h"
#include "modules/ModuleLoader.h"
#include "records/RecordReader.h"
#include "scores/LeadsFile.h"
#include "scores/LockPrompt.h"
#include "scores/Unit3.h"
#include "settings/CardSet.h"
#include "settings/CardSetInfo.h"
#include "settings/SettingsStore.h"
#include "settings/UsableCardSet.h"
#include "statistics/StatisticsOpener.h"
#include "tavro/ProgramInfo.h"

namespace tavro {

QString TForm1::CaptionFor(const Settings& settings) {
    const CardSetInfo info = ReadCardSetInfo(QString::fromStdString(settings.CardFolder));
    return ShownCaption(QStringLiteral(TAVRO_PROGRAM_NAME ": ") +
                        CardSetShownName(info, QString::fromStdString(settings.CardSetName)));
}

void TForm1::ShowCardSetInCaption() {
    setWindowTitle(CaptionFor(state_.Config));
}

void TForm1::FormCreate() {
    // The lookup tables images_ and frames_ were filled while the board was built. The gate
    // stays closed until the engine has dealt.
    LoadSettings(state_.Config);
    ApplyPlaySettings();
    sizing_->Apply();  // before the deal, so that the pictures are read once, at their size
    const QString programFolder = ProgramFolder();
    // A stored set that names no set folder (a typo, a path, a set since removed) or that can't
    // be dealt (a picture missing or broken) would stop every start, and nothing but editing the
    // settings could mend it: the next usable set is dealt instead, with a notice for a broken
    // one, and stored at the end of the run. Only when no set at all can be dealt does the
    // program end.
    const CardSetChoice choice = ChooseUsableCardSet({state_.Config.CardSetName}, programFolder);
    if (choice.name.empty()) {
        EndForWantOfACardBack();
        return;
    }
    state_.Config.CardSetName = choice.name;
    BuildCardFolder(state_.Config, programFolder);
    ShowCardSetInCaption();
    if (!choice.notice.isEmpty()) {
        ReportError(this, ShownText(choice.notice));
    }
    try {
        RunWithLeadsLock(this, [this](auto lockLimit) { LoadLeads(state_.Leads, lockLimit); });
    } catch (...) {
        // Without a Leads file the game is still playable: report and deal all the same.
        ReportException(this, std::current_exception());
    }
    try {
        engine_.NewGame();
    } catch (...) {
        ReportException(this, std::current_exception());
    }
}

void TForm1::EndForWantOfACardBack() {
    QMessageBox box(QMessageBox::Critical, tr("Tavro Memory: Error!"),
                    tr("Please reinstall Tavro Memory"), QMessageBox::Ok);
    box.setWindowModality(Qt::ApplicationModal);
    box.exec();
    // Settings are deliberately not saved. The exit code says that the program failed.
    startup_.exitProcess(1);
}

QString TForm1::ProgramFolder() const {
    return startup_.programFolder.isEmpty() ? ExecutableFolder() : startup_.programFolder;
}

void TForm1::DealNewGame() {
    const QString problem = CardSetProblem(QString::fromStdString(state_.Config.CardFolder));
    if (!problem.isEmpty() && !ReplaceCardSetInPlay(problem)) {
        return;
    }
    engine_.NewGame();
}

bool TForm1::ReplaceCardSetInPlay(const QString& problem) {
    const QString folder = QString::fromStdString(state_.Config.CardFolder);
    const QString lostName = QString::fromStdString(state_.Config.CardSetName);
    // The name the player saw: the set's own may be gone with its folder.
    const CardSetInfo info =
        pictureNamesFolder_ == state_.Config.CardFolder ? pictureNames_ : ReadCardSetInfo(folder);
    const CardSetChoice choice = ChooseCardSetInPlaceOf(
        state_.Config.CardSetName, CardSetShownName(info, lostName), problem, ProgramFolder());
    if (choice.name.empty()) {
        EndForWantOfACardBack();
        return false;
    }
    // Every other setting stays as it is, and the new set is stored at the end of the run.
    state_.Config.CardSetName = choice.name;
    BuildCardFolder(state_.Config, ProgramFolder());
    ShowCardSetInCaption();
    ReportError(this, ShownText(choice.notice));
    return true;
}

void TForm1::DealInPlaceOfLostCardSet() {
    QString problem = CardSetProblem(QString::fromStdString(state_.Config.CardFolder));
    if (problem.isEmpty()) {
        // The back's headers are sound but its picture could not be shown all the same.
        problem = QString::fromStdString(CardPictureFileName(kCardBack)) + QStringLiteral(": ") +
                  tr("the picture can't be read");
    }
    if (ReplaceCardSetInPlay(problem)) {
        engine_.NewGame();
    }
}

void TForm1::ReportPlayFailure(std::exception_ptr failure) {
    if (CardSetVanished(QString::fromStdString(state_.Config.CardFolder))) {
        recording_.Leave(GameEnd::LeftByNew);
        gameEnd_->CardSetLost();
        return;
    }
    ReportException(this, failure);
}

void TForm1::closeEvent(QCloseEvent* event) {
    recording_.HandOverPending();
    recording_.Leave(GameEnd::LeftByExit);
    if (const QString failure = SaveSettings(state_.Config); !failure.isEmpty()) {
        ReportError(this, failure);  // the window closes all the same
    }
    event->accept();
}

void TForm1::RunCommand(const std::function<void()>& command) {
    // The computer's turn keeps the board closed, not the menu: a new deal ends the turn, and
    // the computer waits while a dialog is open.
    if (!state_.InputState.IsOpen() && !engine_.OnlyTheComputerHoldsTheGate()) {
        return;
    }
    try {
        command();
    } catch (...) {
        ReportException(this, std::current_exception());
    }
}

void TForm1::ImageClick(int tile) {
    // The engine checks the gate itself, along with the tile's own state.
    try {
        engine_.SelectTile(tile);
    } catch (...) {
        ReportPlayFailure(std::current_exception());
    }
}

void TForm1::new1Click() {
    RunCommand([this] {
        recording_.Leave(GameEnd::LeftByNew);
        DealNewGame();
    });
}

void TForm1::Leads1Click() {
    RunCommand([this] {
        if (leadsDialog_ != nullptr) {
            leadsDialog_->exec();
        }
    });
}

void TForm1::Showmeplease1Click() {
    RunCommand([this] { engine_.HintPair(); });
}

void TForm1::ExitF101Click() {
    close();
}

void TForm1::Options1Click() {
    RunCommand([this] {
        if (optionsDialog_ != nullptr) {
            optionsDialog_->exec();
        }
    });
}

// The dialog still holds the gate: the deal runs before any input can reach the board.
void TForm1::OptionsApplied(bool setChanged, bool delayChanged) {
    if (!setChanged && !delayChanged) {
        return;
    }
    recording_.Leave(GameEnd::LeftByOptions);
    try {
        DealNewGame();  // with the card folder and delay the dialog left
    } catch (...) {
        ReportException(this, std::current_exception());
    }
}

// Only reads: it opens whatever the gate says, also while the computer plays or a game ends.
void TForm1::HowToPlay1Click() {
    try {
        if (howToPlay_ == nullptr) {
            howToPlay_ = new HowToPlay(this);
            howToPlay_->SetScale(sizing_->Scale());  // its letters grow with the cards
            connect(sizing_, &BoardSizing::ScaleChanged, howToPlay_, &HowToPlay::SetScale);
        }
        howToPlay_->show();
        howToPlay_->raise();
        howToPlay_->activateWindow();
    } catch (...) {
        ReportException(this, std::current_exception());
    }
}

void TForm1::About1Click() {
    RunCommand([this] {
        if (aboutDialog_ != nullptr) {
            aboutDialog_->exec();
        }
    });
}

// The settings as loaded: the engine deals by them from the first deal on.
void TForm1::ApplyPlaySettings() {
    engine_.SetPlayers(state_.Config.Play.Mode, state_.Config.Play.Strength,
                       state_.Config.Play.Starts);
    playMenu_->ShowSettings();
}

void TForm1::RestorePlaySwitches() {
    sounds_->RestoreAtStart(state_.Config.Play.Sounds, Image(kTileCount));
    recording_.SetRecording(state_.Config.Play.RecordGames);
    motion_->SetOn(state_.Config.Play.Animate);
}

// Every choice of who plays deals a new game; a choice made while the computer plays ends its
// turn with the deal. The menu checks the stored mode afterwards, also after a cancelled choice.
void TForm1::SwitchPlayMode(PlayMode mode) {
    recording_.Leave(GameEnd::LeftByModeChange);
    state_.Config.Play.Mode = mode;
    engine_.SetPlayers(mode, state_.Config.Play.Strength, state_.Config.Play.Starts);
    DealNewGame();
}

void TForm1::OnePlayer1Click() {
    RunCommand([this] { SwitchPlayMode(PlayMode::OnePlayer); });
    playMenu_->ShowSettings();
}

void TForm1::TwoPlayers1Click() {
    RunCommand([this] {
        if (playMenu_->AskTwoPlayers()) {
            SwitchPlayMode(PlayMode::TwoPlayers);
        }
    });
    playMenu_->ShowSettings();
}

void TForm1::AgainstComputer1Click() {
    RunCommand([this] {
        if (playMenu_->AskAgainstComputer()) {
            SwitchPlayMode(PlayMode::AgainstComputer);
        }
    });
    playMenu_->ShowSettings();
}

// The sounds and the score work while the board waits: neither changes the game.
void TForm1::Sounds1Click(bool on) {
    state_.Config.Play.Sounds = on;  // saved with the other settings when the window closes
    sounds_->SetOn(on);
    announcer_->Announce(on ? tr("Sounds on.") : tr("Sounds off."));
}

void TForm1::Animatecards1Click(bool on) {
    state_.Config.Play.Animate = on;  // saved with the other settings when the window closes
    motion_->SetOn(on);
}

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

void TForm1::Saythescore1Click() {
    announcer_->Announce(speech_->ScoreSpoken());
}

void TForm1::Repeatthecomputersturn1Click() {
    announcer_->Announce(speech_->ComputerTurnRetold());
}

void TForm1::RecordGames1Click(bool on) {
    state_.Config.Play.RecordGames = on;  // saved with the other settings when the window closes
    recording_.SetRecording(on);
}

void TForm1::Statistics1Click() {
    RunCommand([this] {
        QString error;
        // The window reads the record through the records module, the one part of the program
        // that opens it.
        RecordReader* records = LoadModuleAs<RecordReader>(QStringLiteral("records"), &error);
        StatisticsOpener* opener = records == nullptr ? nullptr
                                                      : LoadModuleAs<StatisticsOpener>(
                                                            QStringLiteral("statistics"), &error);
        if (opener == nullptr) {
            throw std::runtime_error(
                tr("The statistics can't be shown: %1").arg(error).toStdString());
        }
        statistics_ = opener;
        opener->ShowStatistics(this, *records);
    });
}

// The card size works while the board waits: it changes no game. The steps go from the size
// shown: Smaller from 300 % that the screen cut down to 207 % gives 200 %.
void TForm1::CardSizeClick(CardSize size) {
    state_.Config.Play.Size = size;  // saved with the other settings when the window closes
    playMenu_->ShowSettings();
    sizing_->Apply();
}

void TForm1::LargerClick() {
    CardSizeClick(SteppedCardSize(sizing_->Scale(), true));
}

void TForm1::SmallerClick() {
    CardSizeClick(SteppedCardSize(sizing_->Scale(), false));
}

double TForm1::BoardScale() const {
    return sizing_->Scale();
}

}  // namespace tavro
