// SPDX-License-Identifier: GPL-3.0-or-later
// The main window's start-up (FormCreate), its close (FormClose), its commands (the tile clicks
// and the menu items) and what it does when Options says what changed. Every command but Exit
// does nothing while the input gate is closed, and every one reports what it throws instead of
// letting it reach the event loop.
#include <QCloseEvent>
#include <exception>

#include "app/Unit1.h"
#include "dialogkit/ErrorReport.h"
#include "dialogkit/ShownText.h"
#include "dialogs/Unit4.h"
#include "dialogs/Unit5.h"
#include "scores/LeadsFile.h"
#include "scores/LockPrompt.h"
#include "scores/Unit3.h"
#include "settings/CardSet.h"
#include "settings/CardSetInfo.h"
#include "settings/SettingsStore.h"
#include "settings/UsableCardSet.h"
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
    const QString programFolder =
        startup_.programFolder.isEmpty() ? ExecutableFolder() : startup_.programFolder;
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
        RunWithLeadsLock(this, [this] { LoadLeads(state_.Leads); });
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
        ReportException(this, std::current_exception());
    }
}

void TForm1::new1Click() {
    RunCommand([this] {
        recording_.Leave(GameEnd::LeftByNew);
        engine_.NewGame();
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
        engine_.NewGame();  // with the card folder and delay the dialog left
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

}  // namespace tavro
