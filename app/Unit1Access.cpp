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

QString TForm1::PictureName(int face) const {
    return ShownText(CardPictureName(pictureNames_, face));
}

QString TForm1::CardAccessibleName(int tile) const {
    const QString place = tr("Card %1, row %2, column %3: ")
                              .arg(tile)
                              .arg((tile - 1) / kBoardSide + 1)
                              .arg((tile - 1) % kBoardSide + 1);
    if (!faceShown_[Slot(tile)]) {
        return place + tr("face down");
    }
    const GameState& game = state_.Game;
    bool matched = false;
    for (int slot = 1; slot <= game.MatchedCount; ++slot) {
        matched = matched || game.MatchedTiles[Slot(slot)] == tile;
    }
    return place + (matched ? tr("matched: ") : tr("face up: ")) +
           PictureName(game.BoardFaces[Slot(tile)]);
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

}  // namespace tavro
