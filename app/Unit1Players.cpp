// SPDX-License-Identifier: GPL-3.0-or-later
// The main window in a game of two: the players' names as the deal found them, the bottom line
// with both names and points in place of "Points", what a screen reader hears (whose turn it is
// when it changes, the computer's cards as it turns them, each player's points, and the end), and
// the end's message, "Anna wins, 520 to 310." or "A draw, 400 each.", in a box the player closes.
// Such a game never enters the Leads. Names are the players' own: shown as plain text, and put
// into the texts in one go, so that a "%1" in a name stays as typed.
#include <QLabel>
#include <QMessageBox>
#include <exception>
#include <utility>

#include "app/PlayersLine.h"
#include "app/Unit1.h"
#include "dialogkit/Announcer.h"
#include "dialogkit/ErrorReport.h"
#include "dialogkit/ShownText.h"
#include "game/TileSlot.h"
#include "players/PlayerNames.h"
#include "tavro/ProgramInfo.h"

namespace tavro {

bool TForm1::IsGameOfTwo() const {
    return state_.Game.Mode != PlayMode::OnePlayer;
}

QString TForm1::PlayerName(int player) const {
    return dealtNames_[player == 1 ? 1 : 0];
}

// A new deal: its players' names, and the bottom line of its mode.
void TForm1::TakePlayersOfDeal() {
    for (int player = 0; player < kMaxPlayers; ++player) {
        dealtNames_[static_cast<std::size_t>(player)] =
            engine_.IsComputer(player) ? ComputerName()
                                       : tavro::PlayerName(state_.Config.Play, player);
    }
    const bool two = IsGameOfTwo();
    if (Players1->isHidden() == two) {
        Label1->setHidden(two);
        Label2->setHidden(two);
        Players1->setHidden(!two);
    }
}

void TForm1::ShowPlayers() {
    if (!IsGameOfTwo()) {
        return;
    }
    Players1->ShowPlayers({PlayersLine::Player{PlayerName(0), engine_.ScoreOf(0)},
                           {PlayerName(1), engine_.ScoreOf(1)}},
                          state_.Game.CurrentPlayer);
}

QString TForm1::TurnText(int player) const {
    if (engine_.IsComputer(player)) {
        return tr("The computer's turn");
    }
    return tr("%1's turn").arg(ShownText(PlayerName(player)));
}

QString TForm1::PlayersOutcomeText(const Outcome& outcome) {
    const QString name = ShownText(PlayerName(outcome.player));
    const QString points = QString::number(outcome.points);
    switch (outcome.kind) {
        case Outcome::Kind::FaceShown:
            if (engine_.IsComputer(outcome.player)) {
                // Where it lies, too: a player who cannot see the board remembers it by that.
                return tr("The computer turns up %1, %2")
                    .arg(PictureName(state_.Game.BoardFaces[Slot(outcome.first)]),
                         TilePlace(outcome.first));
            }
            return OutcomeText(outcome);
        case Outcome::Kind::PairMatched:
            return tr("Pair matched. %1 has %2 points").arg(name, points);
        case Outcome::Kind::PairMismatched:
            return tr("No match. %1 has %2 points").arg(name, points);
        case Outcome::Kind::HintEnded:
            return tr("The hint cost %1 points. %2 has %3 points")
                .arg(QString::number(-kHintPoints), name, points);
        case Outcome::Kind::GameEnded:
            return EndOfGameText();
        case Outcome::Kind::NewGameDealt:
            return tr("New game. %1").arg(TurnText(outcome.player));
        case Outcome::Kind::TurnPassed:
            return TurnText(outcome.player);
        default:
            return OutcomeText(outcome);  // cards turned back, a hint shown: as for one player
    }
}

QString TForm1::EndOfGameText() const {
    const int winner = engine_.Leader();
    if (winner == kNoPlayer) {
        return tr("A draw, %1 each.").arg(engine_.ScoreOf(0));
    }
    const QString won = QString::number(engine_.ScoreOf(winner));
    const QString lost = QString::number(engine_.ScoreOf(1 - winner));
    if (engine_.IsComputer(winner)) {
        return tr("The computer wins, %1 to %2.").arg(won, lost);
    }
    return tr("%1 wins, %2 to %3.").arg(ShownText(PlayerName(winner)), won, lost);
}

// The gate stays closed from the end until the message is closed.
void TForm1::ShowEndOfGameLater() {
    endMessage_ = InputGate::Hold(state_.InputState);
    QMetaObject::invokeMethod(this, &TForm1::ShowEndOfGame, Qt::QueuedConnection);
}

void TForm1::ShowEndOfGame() {
    const InputGate::Hold showing = std::move(endMessage_);
    try {
        announcer_->Flush();  // the end is told before the box opens
        QMessageBox box(QMessageBox::Information, QStringLiteral(TAVRO_PROGRAM_NAME),
                        EndOfGameText(), QMessageBox::Ok, this);
        box.setObjectName(QStringLiteral("EndOfGame"));
        box.setTextFormat(Qt::PlainText);
        // The result can be selected and copied.
        box.setTextInteractionFlags(Qt::TextSelectableByMouse);
        box.exec();
    } catch (...) {
        ReportException(this, std::current_exception());
    }
}

}  // namespace tavro
