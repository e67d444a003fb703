// SPDX-License-Identifier: GPL-3.0-or-later
// The main window's side of screen reader support: the cards' accessible names, the score as the
// value of the "Points" object, and the end of a game told through that object's description.
// A face-down card is named by its place only, never by its picture.
#include <QAccessible>
#include <QLabel>

#include "app/Unit1.h"
#include "controls/PictureBox.h"
#include "dialogkit/ShownText.h"
#include "game/TileSlot.h"
#include "settings/CardSetInfo.h"

namespace tavro {
namespace {

QString Place(int tile) {
    return TForm1::tr("row %1, column %2")
        .arg((tile - 1) / kBoardSide + 1)
        .arg((tile - 1) % kBoardSide + 1);
}

}  // namespace

QString TForm1::PictureName(int face) const {
    return ShownText(CardPictureName(pictureNames_, face));
}

QString TForm1::CardAccessibleName(int tile) const {
    const QString place = tr("Card %1, row %2, column %3: ")
                              .arg(tile)
                              .arg((tile - 1) / kBoardSide + 1)
                              .arg((tile - 1) % kBoardSide + 1);
    const TileState shows = engine_.TileStateOf(tile);
    if (shows == TileState::FaceDown) {
        return place + tr("face down");
    }
    return place + (shows == TileState::Matched ? tr("matched: ") : tr("face up: ")) +
           PictureName(state_.Game.BoardFaces[Slot(tile)]);
}

void TForm1::RefreshAccessibleState() {
    if (pictureNamesFolder_ != state_.Config.CardFolder) {
        pictureNamesFolder_ = state_.Config.CardFolder;
        // In the player's language, from the set's set.desktop.
        pictureNames_ = ReadCardSetInfo(QString::fromStdString(pictureNamesFolder_));
    }
    for (int tile = 1; tile <= kTileCount; ++tile) {
        const QString name = CardAccessibleName(tile);
        if (Image(tile)->accessibleName() != name) {
            Image(tile)->setAccessibleName(name);  // tells a screen reader of the change
        }
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

QString TForm1::OutcomeText(const Outcome& outcome) const {
    switch (outcome.kind) {
        case Outcome::Kind::FaceShown:
            return tr("face up: %1").arg(PictureName(state_.Game.BoardFaces[Slot(outcome.first)]));
        case Outcome::Kind::PairMatched:
            return tr("Pair matched. %1 points").arg(outcome.points);
        case Outcome::Kind::PairMismatched:
            return tr("No match. %1 points").arg(outcome.points);
        case Outcome::Kind::PairTurnedBack:
            return tr("Turned face down: %1 and %2")
                .arg(Place(outcome.first), Place(outcome.second));
        case Outcome::Kind::HintShown:
            if (outcome.second == 0) {
                return tr("Hint: the partner is %1").arg(Place(outcome.first));
            }
            return tr("Hint: %1 and %2").arg(Place(outcome.first), Place(outcome.second));
        case Outcome::Kind::HintEnded:
            return tr("The hint cost %1 points. %2 points").arg(-kHintPoints).arg(outcome.points);
        case Outcome::Kind::GameEnded:
            return tr("Game over, %1 points").arg(outcome.points);
        case Outcome::Kind::NewGameDealt:
            return tr("New game");
        case Outcome::Kind::CardBackMissing:
            return QString();  // the program ends with a message box
        case Outcome::Kind::TurnPassed:
            return QString();  // in a game of two only (Unit1Players.cpp)
    }
    return QString();
}

}  // namespace tavro
