// SPDX-License-Identifier: GPL-3.0-or-later
// The main window as the game core's BoardView, and its board: the tile pictures (a face id turned
// into the card set's file) with the names screen readers hear for them, the frame colours, the
// points, the hint command, the timers of the engine's waits, and the outcomes handed on to their
// listeners. The board is played from the keyboard too: the cursor ring appears with the first
// arrow key (until then the board looks exactly as it does to a mouse player), the arrow keys
// move it, stopping at the edges, and Space or Enter turn its card as a click on it would.
#include <QFrame>
#include <QKeyEvent>
#include <QTimer>
#include <algorithm>
#include <exception>

#include "app/BoardSizing.h"
#include "app/ScoreLine.h"
#include "app/SpokenOutcomes.h"
#include "app/Unit1.h"
#include "controls/PictureBox.h"
#include "controls/PictureLoad.h"
#include "dialogkit/ShownText.h"
#include "settings/CardSet.h"

namespace tavro {
namespace {

// The platform colour value is blue-green-red, blue in the high byte.
QColor FromBgr(std::uint32_t bgr) {
    return QColor(static_cast<int>(bgr & 0xFFu), static_cast<int>((bgr >> 8) & 0xFFu),
                  static_cast<int>((bgr >> 16) & 0xFFu));
}

}  // namespace

// The card's name follows the picture it shows, state first: a face-down card is named by its
// place only, never by its picture; face up and matched look the same, and sound the same.
void TForm1::showTilePicture(int tile, std::int32_t face) {
    // Enlarged from the file's own pixels at every size but the designed one.
    LoadPicture(*Image(tile),
                CardPictureFile(QString::fromStdString(state_.Config.CardFolder), face),
                sizing_->Enlarges());
    sizing_->NoteFace(tile, face);
    const QString place = SpokenOutcomes::TilePlace(tile);
    const QString name = face == kCardBack ? tr("face down %1").arg(place)
                                           : tr("%1 %2").arg(PictureName(face), place);
    // Only a name that changed is set, and so sent to a screen reader.
    if (Image(tile)->accessibleName() != name) {
        Image(tile)->setAccessibleName(name);
    }
}

QString TForm1::CardAccessibleName(int tile) const {
    return Image(tile)->accessibleName();
}

QString TForm1::PictureName(std::int32_t face) {
    if (pictureNamesFolder_ != state_.Config.CardFolder) {
        pictureNamesFolder_ = state_.Config.CardFolder;
        // In the player's language, from the set's set.desktop.
        pictureNames_ = ReadCardSetInfo(QString::fromStdString(pictureNamesFolder_));
    }
    return ShownText(CardPictureName(pictureNames_, face));
}

void TForm1::showPoints(std::int32_t points) {
    scoreLine_->ShowPoints(points);
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
    if (outcome.kind == Outcome::Kind::PairMismatched) {
        // On screen at once, also when the delay is 0 and the pair turns back in this call.
        Image(outcome.second)->repaint();
    }
    outcomes_.Deliver(outcome);
}

void TForm1::keyPressEvent(QKeyEvent* event) {
    if ((event->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)) != 0) {
        QMainWindow::keyPressEvent(event);
        return;
    }
    switch (event->key()) {
        case Qt::Key_Left:
            MoveCursor(0, -1);
            break;
        case Qt::Key_Right:
            MoveCursor(0, 1);
            break;
        case Qt::Key_Up:
            MoveCursor(-1, 0);
            break;
        case Qt::Key_Down:
            MoveCursor(1, 0);
            break;
        case Qt::Key_Space:
        case Qt::Key_Return:
        case Qt::Key_Enter:
            if (cursorTile_ != 0) {  // before the first arrow key there is no card to turn
                ImageClick(cursorTile_);
            }
            break;
        default:
            QMainWindow::keyPressEvent(event);
            return;
    }
    event->accept();
}

void TForm1::MoveCursor(int rowStep, int columnStep) {
    int tile = 1;  // the first key shows the ring on the top left card
    if (cursorTile_ != 0) {
        const int row = std::clamp((cursorTile_ - 1) / kBoardSide + rowStep, 0, kBoardSide - 1);
        const int column =
            std::clamp((cursorTile_ - 1) % kBoardSide + columnStep, 0, kBoardSide - 1);
        tile = row * kBoardSide + column + 1;
        Image(cursorTile_)->setCursorRingShown(false);
    }
    cursorTile_ = tile;
    Image(tile)->setCursorRingShown(true);
    // The focus follows the ring, so that a screen reader reads the card under it. The keys
    // still reach this window: the picture passes them on.
    Image(tile)->setFocus(Qt::OtherFocusReason);
}

}  // namespace tavro
