// SPDX-License-Identifier: GPL-3.0-or-later
// The main window's card size and scale; see BoardSizing.h.
#include "app/BoardSizing.h"

#include <QEvent>
#include <QFrame>
#include <QLabel>
#include <QLayout>
#include <QMenuBar>
#include <QScreen>
#include <QStyle>
#include <QWindow>
#include <algorithm>
#include <cmath>
#include <exception>
#include <map>
#include <utility>

#include "app/BoardGeometry.h"
#include "app/CardSizes.h"
#include "app/PlayersLine.h"
#include "app/ScoreLine.h"
#include "app/Unit1.h"
#include "app/WindowPlacement.h"
#include "controls/PictureBox.h"
#include "controls/PictureLoad.h"
#include "settings/CardSet.h"

namespace tavro {

BoardSizing::BoardSizing(TForm1& window, std::function<void(std::exception_ptr)> failed)
    : QObject(&window), window_(window), failed_(std::move(failed)) {
    shownFaces_.fill(kNoFaceShown);
    window.installEventFilter(this);
}

void BoardSizing::LayOut() {
    const double s = scale_;
    window_.Panel1->setFixedSize(Scaled(kClientWidth, s), Scaled(kClientHeight, s));
    for (int tile = 1; tile <= kTileCount; ++tile) {
        window_.Frame(tile)->setGeometry(
            Scaled(kBoardLeft + kFramePitch * ((tile - 1) % kBoardSide), s),
            Scaled(kBoardTop + kFramePitch * ((tile - 1) / kBoardSide), s), Scaled(kFrameSize, s),
            Scaled(kFrameSize, s));
        window_.Image(tile)->setGeometry(Scaled(kPictureInset, s), Scaled(kPictureInset, s),
                                         Scaled(kPictureSize, s), Scaled(kPictureSize, s));
        window_.Image(tile)->setRingScale(s);
    }

    QLabel* caption = window_.Label1;
    QLabel* value = window_.Label2;
    const int pointsTop = Scaled(kPointsTop, s);
    const int pointsHeight = Scaled(kPointsHeight, s);
    caption->setFont(PointsFont(s));
    caption->adjustSize();
    caption->setGeometry(Scaled(248, s), pointsTop, caption->width(), pointsHeight);
    // The value stands at 326, 8 pixels after "Points" in the designed font. Where that font is
    // missing, a wider substitute would run "Points" into the value, so the value then keeps the
    // same 8-pixel gap after the caption instead.
    const int valueLeft = std::max(Scaled(kPointsValueLeft, s),
                                   caption->x() + caption->width() + Scaled(kPointsGap, s));
    value->setFont(PointsFont(s));
    if (!value->text().isEmpty()) {
        value->adjustSize();
    }
    value->setGeometry(valueLeft, pointsTop, value->width(), pointsHeight);
    window_.Players1->SetScale(s);
    if (scoreLine_ != nullptr) {
        scoreLine_->SetScale(s);
    }
}

double BoardSizing::ScaleThatFits() const {
    const QScreen* shownOn = window_.screen();
    if (shownOn == nullptr) {
        return 1.0;
    }
    const QSize available = shownOn->availableGeometry().size();
    const QSize designed(kClientWidth, kClientHeight);
    // The frame is known once the window shows; until then a title bar is allowed for.
    const QSize frame =
        window_.isVisible()
            ? window_.frameGeometry().size() - window_.geometry().size()
            : QSize(0, window_.style()->pixelMetric(QStyle::PM_TitleBarHeight, nullptr, &window_));
    // The menu bar may wrap into more lines in a narrower window: the scale is tried again with
    // the menu bar's height at the width it gives, until it fits.
    QMenuBar* menu = window_.menuBar();
    double scale = ShownScale(window_.state().Config.Play.Size, 1e9);
    int menuHeight = menu->sizeHint().height();
    for (int tries = 0; tries < 4; ++tries) {
        scale = std::min(scale, FittingScale(designed, frame + QSize(0, menuHeight), available));
        const int wrapped = menu->heightForWidth(Scaled(kClientWidth, scale));
        if (wrapped <= menuHeight) {
            break;
        }
        menuHeight = wrapped;
    }
    return scale;
}

void BoardSizing::Apply() {
    try {
        const double scale = ShownScale(window_.state().Config.Play.Size, ScaleThatFits());
        if (std::abs(scale - scale_) < 1e-9) {
            return;
        }
        scale_ = scale;
        LayOut();
        window_.layout()->activate();  // the window takes its new fixed size now, not later
        ReloadPictures();
        emit ScaleChanged(scale_);
        if (window_.isVisible()) {
            KeepOnItsScreen(window_);
        }
    } catch (...) {
        failed_(std::current_exception());
    }
}

void BoardSizing::NoteFace(int tile, std::int32_t face) {
    shownFaces_[static_cast<std::size_t>(tile)] = face;
}

void BoardSizing::ReloadPictures() {
    const QString folder = QString::fromStdString(window_.state().Config.CardFolder);
    std::map<std::int32_t, QImage> read;  // the back is read once, not for every card
    for (int tile = 1; tile <= kTileCount; ++tile) {
        const std::int32_t face = shownFaces_[static_cast<std::size_t>(tile)];
        if (face == kNoFaceShown) {
            continue;
        }
        PictureBox* picture = window_.Image(tile);
        auto known = read.find(face);
        if (known == read.end()) {
            QImage image;
            try {
                image = ReadShownPicture(CardPictureFile(folder, face), ShownPixels(*picture),
                                         Enlarges());
            } catch (const PictureError&) {
                // Gone or broken since it was dealt: the card keeps its picture, stretched, and
                // the next deal finds the set's fault.
            }
            known = read.emplace(face, image).first;
        }
        if (!known->second.isNull()) {
            picture->setPicture(known->second);
        }
    }
}

// A window manager's frame arrives after the window shows, and moves it.
bool BoardSizing::eventFilter(QObject* watched, QEvent* event) {
    if (watched == &window_ && (event->type() == QEvent::Show || event->type() == QEvent::Move) &&
        window_.isVisible()) {
        WatchScreen();
        Apply();
    }
    return QObject::eventFilter(watched, event);
}

void BoardSizing::WatchScreen() {
    QWindow* handle = window_.windowHandle();
    if (handle == nullptr || handle == watchedWindow_) {
        return;
    }
    watchedWindow_ = handle;
    connect(handle, &QWindow::screenChanged, this, &BoardSizing::FollowScreen);
    FollowScreen(handle->screen());
}

void BoardSizing::FollowScreen(QScreen* shownOn) {
    disconnect(screenWatch_);
    if (shownOn != nullptr) {
        screenWatch_ =
            connect(shownOn, &QScreen::availableGeometryChanged, this, &BoardSizing::Apply);
    }
    Apply();
}

}  // namespace tavro
