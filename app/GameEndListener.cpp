// SPDX-License-Identifier: GPL-3.0-or-later
// The end of a game and of a deal without a card back; see GameEndListener.h.
#include "app/GameEndListener.h"

#include <QLineEdit>
#include <QMessageBox>
#include <QWidget>
#include <exception>
#include <utility>

#include "app/SpokenOutcomes.h"
#include "dialogkit/Announcer.h"
#include "dialogkit/ErrorReport.h"
#include "scores/Unit2.h"
#include "tavro/ProgramInfo.h"

namespace tavro {

GameEndListener::GameEndListener(QWidget* window, InputGate& gate, Announcer& announcer,
                                 const SpokenOutcomes& words)
    : QObject(window), window_(window), gate_(gate), announcer_(announcer), words_(words) {}

void GameEndListener::Hear(const Outcome& outcome) {
    switch (outcome.kind) {
        case Outcome::Kind::GameEnded:
            if (outcome.qualifiesForLeads) {
                leadsEntry_ = InputGate::Hold(gate_);
                QMetaObject::invokeMethod(this, &GameEndListener::EnterTheLeads,
                                          Qt::QueuedConnection);
            } else if (outcome.standing.mode != PlayMode::OnePlayer) {
                endMessage_ = InputGate::Hold(gate_);
                QMetaObject::invokeMethod(this, &GameEndListener::ShowWinner, Qt::QueuedConnection);
            }
            return;
        case Outcome::Kind::CardBackMissing:
            CardSetLost();
            return;
        default:
            return;
    }
}

void GameEndListener::CardSetLost() {
    lostCardSet_ = InputGate::Hold(gate_);
    QMetaObject::invokeMethod(this, &GameEndListener::ReplaceCardSet, Qt::QueuedConnection);
}

void GameEndListener::EnterTheLeads() {
    const InputGate::Hold entering = std::move(leadsEntry_);
    try {
        announcer_.Flush();  // the end of the game is told before the dialog opens
        if (nameEntry_ != nullptr) {
            nameEntry_->exec();  // enters the name and shows the Leads
            emit nameEntered(nameEntry_->Edit1()->text());
        }
    } catch (...) {
        ReportException(window_, std::current_exception());
    }
}

void GameEndListener::ShowWinner() {
    const InputGate::Hold showing = std::move(endMessage_);
    try {
        announcer_.Flush();  // the end is told before the box opens
        QMessageBox box(QMessageBox::Information, QStringLiteral(TAVRO_PROGRAM_NAME),
                        words_.EndOfGameText(), QMessageBox::Ok, window_);
        box.setObjectName(QStringLiteral("EndOfGame"));
        box.setTextFormat(Qt::PlainText);
        // The result can be selected and copied.
        box.setTextInteractionFlags(Qt::TextSelectableByMouse);
        box.exec();
    } catch (...) {
        ReportException(window_, std::current_exception());
    }
}

void GameEndListener::ReplaceCardSet() {
    const InputGate::Hold replacing = std::move(lostCardSet_);
    try {
        if (replaceCardSet_) {
            replaceCardSet_();
        }
    } catch (...) {
        ReportException(window_, std::current_exception());
    }
}

}  // namespace tavro
