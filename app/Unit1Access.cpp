// SPDX-License-Identifier: GPL-3.0-or-later
// The main window's side of screen reader support: the cards' accessible names, the points
// object's name, the end of a game told through that object's description, and what is said of
// each outcome. The words are few and the state comes first, as a move is heard far more often
// than anything else: a card is "face down B3" or "cat B3" (column letter, row number), a turn
// names the picture, and each other step is one short sentence. A face-down card is named by its
// place only, never by its picture.
#include <QAccessible>
#include <QLabel>

#include "app/Unit1.h"
#include "controls/PictureBox.h"
#include "dialogkit/ShownText.h"
#include "game/TileSlot.h"
#include "settings/CardSetInfo.h"

namespace tavro {

QString TForm1::TilePlace(int tile) {
    // Columns A..F from the left, rows 1..6 from the top, as on a chess board turned over.
    return QChar(u'A' + (tile - 1) % kBoardSide) + QString::number((tile - 1) / kBoardSide + 1);
}

QString TForm1::PictureName(int face) const {
    return ShownText(CardPictureName(pictureNames_, face));
}

QString TForm1::CardAccessibleName(int tile) const {
    if (engine_.TileStateOf(tile) == TileState::FaceDown) {
        return tr("face down %1").arg(TilePlace(tile));
    }
    // Face up and matched look the same on the board, and sound the same.
    return tr("%1 %2").arg(PictureName(state_.Game.BoardFaces[Slot(tile)]), TilePlace(tile));
}

void TForm1::RefreshAccessibleState() {
    if (pictureNamesFolder_ != state_.Config.CardFolder) {
        pictureNamesFolder_ = state_.Config.CardFolder;
        // In the player's language, from the set's set.desktop.
        pictureNames_ = ReadCardSetInfo(QString::fromStdString(pictureNamesFolder_));
    }
    // Only a name that changed is set, and so sent to a screen reader: a card's change is told
    // by its outcome, and a screen reader reads the names of cells afresh when it reaches them.
    for (int tile = 1; tile <= kTileCount; ++tile) {
        const QString name = CardAccessibleName(tile);
        if (Image(tile)->accessibleName() != name) {
            Image(tile)->setAccessibleName(name);
        }
    }
    // The points with their caption, for a screen reader's review of the window.
    const QString points = tr("Points: %1").arg(Label2->text());
    if (Label2->accessibleName() != points) {
        Label2->setAccessibleName(points);
    }
    const bool over = state_.Game.MatchedCount >= kTileCount;
    if (over && !gameEndAnnounced_) {
        gameEndAnnounced_ = true;
        Label2->setAccessibleDescription(tr("Game over: %1 points").arg(state_.Game.Points));
    } else if (!over && gameEndAnnounced_) {
        gameEndAnnounced_ = false;
        Label2->setAccessibleDescription(QString());
    }
}

// A mismatch is told once its pair is turned back, and a hint once it has been paid for: the
// sentence then also says that the board takes keys again.
QString TForm1::OutcomeText(const Outcome& outcome) {
    switch (outcome.kind) {
        case Outcome::Kind::FaceShown:
            return PictureName(state_.Game.BoardFaces[Slot(outcome.first)]);
        case Outcome::Kind::PairMatched:
            if (state_.Game.MatchedCount >= kTileCount) {
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
            afterWait_ = tr("Hint: %1, %2 points.").arg(hintPlaces_).arg(outcome.points);
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
            return tr("New game, %1 points.").arg(state_.Game.Points);
        case Outcome::Kind::CardBackMissing:
            return QString();  // the next usable set is dealt, with a notice
        case Outcome::Kind::TurnPassed:
            return QString();  // in a game of two only (Unit1Players.cpp)
    }
    return QString();
}

}  // namespace tavro
