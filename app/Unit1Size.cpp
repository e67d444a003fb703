// SPDX-License-Identifier: GPL-3.0-or-later
// The main window at the chosen card size: one scale for the whole board (frames, pictures, the
// bottom line, its letters, the keyboard cursor ring), the chosen size's unless the window's
// screen holds less. The menu bar and the window's frame stay as the desktop draws them. At a new
// scale the pictures on the board are read again at the pixels they are shown, each file once.
#include <QFrame>
#include <QLabel>
#include <QLayout>
#include <QMenuBar>
#include <QScreen>
#include <QShowEvent>
#include <QStyle>
#include <QWindow>
#include <algorithm>
#include <cmath>
#include <exception>
#include <map>

#include "app/BoardGeometry.h"
#include "app/CardSizes.h"
#include "app/PlayMenu.h"
#include "app/PlayersLine.h"
#include "app/ScoreLine.h"
#include "app/Unit1.h"
#include "app/WindowPlacement.h"
#include "controls/PictureBox.h"
#include "controls/PictureLoad.h"
#include "settings/CardSet.h"

namespace tavro {

void TForm1::LayOutBoard() {
    const double s = scale_;
    Panel1->setFixedSize(Scaled(kClientWidth, s), Scaled(kClientHeight, s));
    for (int tile = 1; tile <= kTileCount; ++tile) {
        Frame(tile)->setGeometry(Scaled(kBoardLeft + kFramePitch * ((tile - 1) % kBoardSide), s),
                                 Scaled(kBoardTop + kFramePitch * ((tile - 1) / kBoardSide), s),
                                 Scaled(kFrameSize, s), Scaled(kFrameSize, s));
        Image(tile)->setGeometry(Scaled(kPictureInset, s), Scaled(kPictureInset, s),
                                 Scaled(kPictureSize, s), Scaled(kPictureSize, s));
        Image(tile)->setRingScale(s);
    }

    const int pointsTop = Scaled(kPointsTop, s);
    const int pointsHeight = Scaled(kPointsHeight, s);
    Label1->setFont(PointsFont(s));
    Label1->adjustSize();
    Label1->setGeometry(Scaled(248, s), pointsTop, Label1->width(), pointsHeight);
    // The value stands at 326, 8 pixels after "Points" in the designed font. Where that font is
    // missing, a wider substitute would run "Points" into the value, so the value then keeps the
    // same 8-pixel gap after the caption instead.
    const int valueLeft = std::max(Scaled(kPointsValueLeft, s),
                                   Label1->x() + Label1->width() + Scaled(kPointsGap, s));
    Label2->setFont(PointsFont(s));
    if (!Label2->text().isEmpty()) {
        Label2->adjustSize();
    }
    Label2->setGeometry(valueLeft, pointsTop, Label2->width(), pointsHeight);
    Players1->SetScale(s);
    if (scoreLine_ != nullptr) {
        scoreLine_->SetScale(s);
    }
}

double TForm1::ScaleThatFits() const {
    const QScreen* shownOn = screen();
    if (shownOn == nullptr) {
        return 1.0;
    }
    const QSize available = shownOn->availableGeometry().size();
    const QSize designed(kClientWidth, kClientHeight);
    // The frame is known once the window shows; until then a title bar is allowed for.
    const QSize frame = isVisible() ? frameGeometry().size() - geometry().size()
                                    : QSize(0, style()->pixelMetric(QStyle::PM_TitleBarHeight));
    // The menu bar may wrap into more lines in a narrower window: the scale is tried again with
    // the menu bar's height at the width it gives, until it fits.
    double scale = ShownScale(state_.Config.Play.Size, 1e9);
    int menuHeight = menuBar()->sizeHint().height();
    for (int tries = 0; tries < 4; ++tries) {
        scale = std::min(scale, FittingScale(designed, frame + QSize(0, menuHeight), available));
        const int width = Scaled(kClientWidth, scale);
        const int wrapped = menuBar()->heightForWidth(width);
        if (wrapped <= menuHeight) {
            break;
        }
        menuHeight = wrapped;
    }
    return scale;
}

void TForm1::ApplyCardSize() {
    try {
        const double scale = ShownScale(state_.Config.Play.Size, ScaleThatFits());
        if (std::abs(scale - scale_) < 1e-9) {
            return;
        }
        scale_ = scale;
        LayOutBoard();
        layout()->activate();  // the window takes its new fixed size now, not later
        ReloadPictures();
        if (isVisible()) {
            KeepOnItsScreen(*this);
        }
    } catch (...) {
        ReportPlayFailure(std::current_exception());
    }
}

void TForm1::ReloadPictures() {
    const QString folder = QString::fromStdString(state_.Config.CardFolder);
    const bool enlarge = scale_ != 1.0;
    std::map<std::int32_t, QImage> read;  // the back is read once, not for every card
    for (int tile = 1; tile <= kTileCount; ++tile) {
        const std::int32_t face = shownFaces_[static_cast<std::size_t>(tile)];
        if (face == kNoFaceShown) {
            continue;
        }
        auto known = read.find(face);
        if (known == read.end()) {
            QImage picture;
            try {
                picture = ReadShownPicture(CardPictureFile(folder, face), ShownPixels(*Image(tile)),
                                           enlarge);
            } catch (const PictureError&) {
                // Gone or broken since it was dealt: the card keeps its picture, stretched, and
                // the next deal finds the set's fault.
            }
            known = read.emplace(face, picture).first;
        }
        if (!known->second.isNull()) {
            Image(tile)->setPicture(known->second);
        }
    }
}

void TForm1::CardSizeClick(CardSize size) {
    state_.Config.Play.Size = size;  // saved with the other settings when the window closes
    playMenu_->ShowSettings();
    ApplyCardSize();
}

void TForm1::LargerClick() {
    CardSizeClick(SteppedCardSize(scale_, true));
}

void TForm1::SmallerClick() {
    CardSizeClick(SteppedCardSize(scale_, false));
}

void TForm1::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    WatchScreen();
    ApplyCardSize();
}

// A window manager's frame arrives after the window shows, and moves it.
void TForm1::moveEvent(QMoveEvent* event) {
    QMainWindow::moveEvent(event);
    if (isVisible()) {
        WatchScreen();
        ApplyCardSize();
    }
}

void TForm1::WatchScreen() {
    QWindow* window = windowHandle();
    if (window == nullptr || window == watchedWindow_) {
        return;
    }
    watchedWindow_ = window;
    connect(window, &QWindow::screenChanged, this, &TForm1::FollowScreen);
    FollowScreen(window->screen());
}

void TForm1::FollowScreen(QScreen* shownOn) {
    disconnect(screenWatch_);
    if (shownOn != nullptr) {
        screenWatch_ =
            connect(shownOn, &QScreen::availableGeometryChanged, this, &TForm1::ApplyCardSize);
    }
    ApplyCardSize();
}

}  // namespace tavro
