// SPDX-License-Identifier: GPL-3.0-or-later
// The main window as the game core's BoardView: the tile pictures (a face id turned into the card
// set's file), frame colours, the points label and the hint command; the timers of the engine's
// waits; and what each outcome leads to: speech, the name entry after a game for the Leads (the
// message of the end after a game of two), the record of the game, another card set when the one
// in play lost its card back. Whatever opens a window is queued: it runs once the engine's call
// has returned.
#include <QAccessible>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QTimer>
#include <exception>
#include <utility>

#include "app/BoardGeometry.h"
#include "app/GameSounds.h"
#include "app/Unit1.h"
#include "controls/PictureBox.h"
#include "controls/PictureLoad.h"
#include "dialogkit/Announcer.h"
#include "dialogkit/ErrorReport.h"
#include "scores/Unit2.h"
#include "settings/CardSet.h"

namespace tavro {
namespace {

// The platform colour value is blue-green-red, blue in the high byte.
QColor FromBgr(std::uint32_t bgr) {
    return QColor(static_cast<int>(bgr & 0xFFu), static_cast<int>((bgr >> 8) & 0xFFu),
                  static_cast<int>((bgr >> 16) & 0xFFu));
}

}  // namespace

void TForm1::showTilePicture(int tile, std::int32_t face) {
    LoadPicture(*Image(tile),
                CardPictureFile(QString::fromStdString(state_.Config.CardFolder), face));
    RefreshAccessibleState();
}

void TForm1::showPoints(std::int32_t points) {
    Label2->setText(QString::number(points));  // decimal, ASCII '-' when negative
    Label2->adjustSize();
    Label2->resize(Label2->width(), kPointsHeight);
    QAccessibleValueChangeEvent changed(Label2, points);
    QAccessible::updateAccessibility(&changed);
    RefreshAccessibleState();
}

void TForm1::setHintCommandEnabled(bool enabled) {
    Showmeplease1->setEnabled(enabled);
}

void TForm1::setFrameColour(int tile, std::uint32_t bgrColour) {
    QFrame* frame = Frame(tile);
    QPalette palette = frame->palette();
    palette.setColor(QPalette::Window, FromBgr(bgrColour));
    frame->setPalette(palette);
}

// The event loop goes on meanwhile (it paints the board; clicks find the gate closed).
void TForm1::requestWait(const WaitRequest& wait) {
    QTimer::singleShot(wait.milliseconds, this, [this, wait] {
        try {
            engine_.FinishWait(wait);
        } catch (...) {
            ReportPlayFailure(std::current_exception());
        }
    });
}

void TForm1::reportOutcome(const Outcome& outcome) {
    if (outcome.kind == Outcome::Kind::NewGameDealt) {
        TakePlayersOfDeal();
    }
    ShowPlayers();
    switch (outcome.kind) {
        case Outcome::Kind::PairMismatched:
            // On screen at once, also when the delay is 0 and the pair turns back in this call.
            Image(outcome.second)->repaint();
            break;
        case Outcome::Kind::GameEnded:
            if (outcome.qualifiesForLeads) {
                EnterTheLeadsLater();
            } else if (IsGameOfTwo()) {
                ShowEndOfGameLater();
            }
            break;
        case Outcome::Kind::CardBackMissing:
            DealInPlaceOfLostCardSetLater();
            return;
        default:
            break;
    }
    sounds_->Follow(outcome);
    // After the name entry is queued: recording a game never delays it.
    recording_.Observe(outcome, state_.Config);
    // The first deal happens before the window is shown: nothing to tell yet.
    if (isVisible()) {
        const QString text = IsGameOfTwo() ? PlayersOutcomeText(outcome) : OutcomeText(outcome);
        if (!text.isEmpty()) {
            announcer_->Announce(text);
        }
    }
}

void TForm1::EnterTheLeadsLater() {
    leadsEntry_ = InputGate::Hold(state_.InputState);
    QMetaObject::invokeMethod(this, &TForm1::EnterTheLeads, Qt::QueuedConnection);
}

void TForm1::EnterTheLeads() {
    const InputGate::Hold entering = std::move(leadsEntry_);
    try {
        announcer_->Flush();  // the end of the game is told before the dialog opens
        if (nameDialog_ != nullptr) {
            nameDialog_->exec();  // enters the name and shows the Leads
            recording_.NameEntered(nameDialog_->Edit1()->text());
        }
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

}  // namespace tavro
