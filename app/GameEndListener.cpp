// SPDX-License-Identifier: GPL-3.0-or-later
// The end of a game and of a deal without a card back; see GameEndListener.h.
#include "app/GameEndListener.h"

#include <QLineEdit>
#include <QWidget>
#include <array>
#include <exception>
#include <utility>

#include "app/DealtGame.h"
#include "app/SpokenOutcomes.h"
#include "dialogkit/Announcer.h"
#include "dialogkit/ErrorReport.h"
#include "players/GameOverDialog.h"
#include "scores/Unit2.h"
#include "tavro/ProgramInfo.h"

namespace tavro {

GameEndListener::GameEndListener(QWidget* window, InputGate& gate, Announcer& announcer,
                                 const DealtGame& game, const SpokenOutcomes& words)
    : QObject(window),
      window_(window),
      gate_(gate),
      announcer_(announcer),
      game_(game),
      words_(words) {}

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
    bool again = false;
    {
        const InputGate::Hold showing = std::move(endMessage_);
        try {
            announcer_.Flush();  // what came before the end is told before the window opens
            // The winner's row first; on a draw, the first player's.
            const int first = game_.Leader() == kNoPlayer ? 0 : game_.Leader();
            const auto& scores = game_.Now().scores;
            std::array<GameOverDialog::Row, GameOverDialog::kRows> rows;
            for (int row = 0; row < GameOverDialog::kRows; ++row) {
                const int player = row == 0 ? first : 1 - first;
                rows[static_cast<std::size_t>(row)] = {game_.Name(player),
                                                       scores[static_cast<std::size_t>(player)]};
            }
            GameOverDialog window(window_);
            window.setWindowTitle(QStringLiteral(TAVRO_PROGRAM_NAME));
            window.ShowResult(words_.EndOfGameText(), rows, game_.Leader() != kNoPlayer);
            again = window.exec() == QDialog::Accepted;
        } catch (...) {
            ReportException(window_, std::current_exception());
        }
    }
    // The new deal is the main window's command, which waits for the gate to be open.
    if (again) {
        emit playAgain();
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
