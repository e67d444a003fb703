// SPDX-License-Identifier: GPL-3.0-or-later
// What a screen reader hears of the game; see SpokenOutcomes.h.
#include "app/SpokenOutcomes.h"

#include <utility>

#include "dialogkit/ShownText.h"
#include "game/GameEngine.h"

namespace tavro {

SpokenOutcomes::SpokenOutcomes(Say say, const DealtGame& game, PictureNamer pictureName,
                               std::function<bool()> heard)
    : say_(std::move(say)),
      game_(game),
      pictureName_(std::move(pictureName)),
      heard_(std::move(heard)) {}

void SpokenOutcomes::Hear(const Outcome& outcome) {
    if (!heard_()) {
        return;
    }
    const QString text = game_.Together() ? PlayersText(outcome) : OnePlayerText(outcome);
    if (!text.isEmpty()) {
        say_(text);
    }
}

QString SpokenOutcomes::TilePlace(int tile) {
    // Columns A..F from the left, rows 1..6 from the top, as on a chess board turned over.
    return QChar(u'A' + (tile - 1) % kBoardSide) + QString::number((tile - 1) / kBoardSide + 1);
}

QString SpokenOutcomes::OnePlayerText(const Outcome& outcome) {
    switch (outcome.kind) {
        case Outcome::Kind::FaceShown:
            return pictureName_(outcome.face);
        case Outcome::Kind::PairMatched:
            if (outcome.standing.over) {
                return QString();  // the end of the game follows at once, and says the score
            }
            return tr("Match, %1 points.").arg(outcome.points);
        case Outcome::Kind::PairMismatched:
            afterWait_ = tr("No match, %1 points.").arg(outcome.points);
            return QString();
        case Outcome::Kind::HintShown:
            hintPlaces_ =
                outcome.second == 0
                    ? TilePlace(outcome.first)
                    : tr("%1 and %2").arg(TilePlace(outcome.first), TilePlace(outcome.second));
            return QString();
        case Outcome::Kind::HintEnded:
            afterWait_ =
                tr("Hint: %1, %2 points.").arg(hintPlaces_, QString::number(outcome.points));
            [[fallthrough]];
        case Outcome::Kind::PairTurnedBack: {
            const QString text = afterWait_;
            afterWait_.clear();
            return text;
        }
        case Outcome::Kind::GameEnded:
            if (outcome.qualifiesForLeads) {
                return tr("Game over.");  // the name entry says the score
            }
            return tr("Game over, %1 points.").arg(outcome.points);
        case Outcome::Kind::NewGameDealt:
            afterWait_.clear();
            return tr("New game, %1 points.").arg(outcome.standing.scores[0]);
        case Outcome::Kind::CardBackMissing:
            return QString();  // the next usable set is dealt, with a notice
        case Outcome::Kind::TurnPassed:
            return QString();  // in a game of two only
    }
    return QString();
}

QString SpokenOutcomes::PlayersText(const Outcome& outcome) {
    const QString name = ShownText(game_.Name(outcome.player));
    const QString points = QString::number(outcome.points);
    switch (outcome.kind) {
        case Outcome::Kind::FaceShown:
            if (game_.IsComputer(outcome.player)) {
                computerTurn_.CardShown(outcome.first, pictureName_(outcome.face));
                return QString();  // told with its partner, as the pair is complete
            }
            computerTurn_.Forget();
            return OnePlayerText(outcome);
        case Outcome::Kind::PairMatched:
            if (game_.IsComputer(outcome.player)) {
                return computerTurn_.PairEnded(outcome.first, outcome.second, true);
            }
            return tr("Pair matched. %1 has %2 points").arg(name, points);
        case Outcome::Kind::PairMismatched:
            if (game_.IsComputer(outcome.player)) {
                return computerTurn_.PairEnded(outcome.first, outcome.second, false);
            }
            return tr("No match. %1 has %2 points").arg(name, points);
        case Outcome::Kind::HintEnded:
            return tr("The hint cost %1 points. %2 has %3 points")
                .arg(QString::number(-kHintPoints), name, points);
        case Outcome::Kind::GameEnded:
            return QString();  // the window that opens at once says it, and is read once
        case Outcome::Kind::NewGameDealt:
            computerTurn_.Forget();
            return game_.IsComputer(outcome.player) ? tr("New game. The computer starts.")
                                                    : tr("New game. %1 starts.").arg(name);
        case Outcome::Kind::TurnPassed:
            if (game_.IsComputer(outcome.player)) {
                computerTurn_.TurnBegins();
            }
            return TurnText(outcome.player);
        default:
            return OnePlayerText(outcome);  // cards turned back, a hint shown: as for one player
    }
}

QString SpokenOutcomes::TurnText(int player) const {
    if (game_.IsComputer(player)) {
        return tr("The computer's turn");
    }
    return tr("%1's turn").arg(ShownText(game_.Name(player)));
}

QString SpokenOutcomes::EndOfGameText() const {
    const auto& scores = game_.Now().scores;
    const int winner = game_.Leader();
    if (winner == kNoPlayer) {
        return tr("A draw, %1 each.").arg(scores[0]);
    }
    const QString won = QString::number(scores[static_cast<std::size_t>(winner)]);
    const QString lost = QString::number(scores[static_cast<std::size_t>(1 - winner)]);
    if (game_.IsComputer(winner)) {
        return tr("The computer wins, %1 to %2.").arg(won, lost);
    }
    return tr("%1 wins, %2 to %3.").arg(ShownText(game_.Name(winner)), won, lost);
}

QString SpokenOutcomes::ComputerTurnRetold() const {
    return computerTurn_.Retold();
}

QString SpokenOutcomes::ScoreSpoken() const {
    const Standing& now = game_.Now();
    if (!game_.Together()) {
        return tr("%1 points.").arg(now.scores[0]);
    }
    const QString points = tr("%1: %2 points, %3: %4 points.")
                               .arg(ShownText(game_.Name(0)), QString::number(now.scores[0]),
                                    ShownText(game_.Name(1)), QString::number(now.scores[1]));
    if (now.over) {
        return points + QLatin1Char(' ') + EndOfGameText();
    }
    return points + QLatin1Char(' ') + TurnText(now.currentPlayer) + QLatin1Char('.');
}

}  // namespace tavro
