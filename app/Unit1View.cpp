// SPDX-License-Identifier: GPL-3.0-or-later
// The main window as the game core's BoardView: tile pictures, frame colours, the points label,
// the hint command, and the timed continuations of the mismatch wait and the hint.
#include <QAccessible>
#include <QApplication>
#include <QFrame>
#include <QLabel>
#include <QMessageBox>
#include <QTimer>
#include <exception>

#include "app/BoardGeometry.h"
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

void TForm1::loadTilePicture(int tile, const std::string& fileName) {
    LoadPicture(*Image(tile), QString::fromUtf8(fileName));
    faceShown_[static_cast<std::size_t>(tile)] = fileName != engine_.CardBackFile();
    RefreshAccessibleState();
}

void TForm1::repaintTile(int tile) {
    Image(tile)->repaint();
}

void TForm1::showPoints(const std::string& text) {
    Label2->setText(QString::fromStdString(text));
    Label2->adjustSize();
    Label2->resize(Label2->width(), kPointsHeight);
    QAccessibleValueChangeEvent changed(Label2, state_.Game.Points);
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

void TForm1::processPendingEvents() {
    QCoreApplication::processEvents();
}

void TForm1::runAfter(int milliseconds, std::function<void()> continuation) {
    QTimer::singleShot(milliseconds, this, [this, continuation = std::move(continuation)] {
        try {
            continuation();
        } catch (...) {
            ReportException(this, std::current_exception());
        }
    });
}

void TForm1::qualifyingGameEnded() {
    RefreshAccessibleState();  // the last pair is matched: tell before the dialog opens
    announcer_->Flush();
    if (nameDialog_ != nullptr) {
        nameDialog_->exec();  // enters the name, reopens the gate and shows the Leads
    } else {
        state_.InputState = kInputReady;
    }
}

void TForm1::missingCardBack() {
    QMessageBox box(QMessageBox::Critical, tr("Tavro Memory: Error!"),
                    tr("Please reinstall Tavro Memory"), QMessageBox::Ok);
    box.setWindowModality(Qt::ApplicationModal);
    box.exec();
    // Settings are deliberately not saved. The exit code says that the program failed.
    startup_.exitProcess(1);
}

}  // namespace tavro
