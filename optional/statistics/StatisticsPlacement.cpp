// SPDX-License-Identifier: GPL-3.0-or-later
// The statistics window's place beside the game; see StatisticsPlacement.h.
#include "statistics/StatisticsPlacement.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>
#include <algorithm>

namespace tavro {
namespace {

qint64 AreaOf(const QRect& rect) {
    return rect.isEmpty() ? 0 : qint64(rect.width()) * rect.height();
}

// The screen that holds the most of the game, else the one nearest to it.
QRect ScreenOf(const QRect& game, const QList<QRect>& screens) {
    const auto most =
        std::max_element(screens.cbegin(), screens.cend(), [&game](const QRect& a, const QRect& b) {
            return AreaOf(a.intersected(game)) < AreaOf(b.intersected(game));
        });
    if (AreaOf(most->intersected(game)) > 0) {
        return *most;
    }
    const auto distance = [&game](const QRect& screen) {
        return (screen.center() - game.center()).manhattanLength();
    };
    return *std::min_element(
        screens.cbegin(), screens.cend(),
        [&distance](const QRect& a, const QRect& b) { return distance(a) < distance(b); });
}

}  // namespace

QPoint BesideTheGame(const QSize& frameSize, const QRect& game, const QList<QRect>& screens) {
    if (screens.isEmpty()) {
        return game.topLeft() + QPoint(game.width(), 0);
    }
    const QRect area = ScreenOf(game, screens);
    const int areaRight = area.x() + area.width();  // just past the area, as is the game's right
    const int gameRight = game.x() + game.width();
    // Level with the game's top, moved up or down as far as needed to lie on the screen.
    const int y =
        std::max(area.y(), std::min(game.y(), area.y() + area.height() - frameSize.height()));
    const auto fits = [&](int x) { return x >= area.x() && x + frameSize.width() <= areaRight; };
    if (fits(gameRight)) {
        return {gameRight, y};
    }
    if (const int left = game.x() - frameSize.width(); fits(left)) {
        return {left, y};
    }
    // Against the edge of the side with more room, covering as little of the game as can be; a
    // window wider than the area starts at its left, so that its caption can be reached.
    const int x =
        areaRight - gameRight >= game.x() - area.x() ? areaRight - frameSize.width() : area.x();
    return {std::max(x, area.x()), y};
}

void PlaceBesideTheGame(QWidget& window, const QWidget& game) {
    QList<QRect> screens;
    for (const QScreen* screen : QGuiApplication::screens()) {
        screens.append(screen->availableGeometry());
    }
    const QRect gameFrame = game.window()->frameGeometry();
    // A window not shown yet knows no frame: it gets one as wide as the game's.
    const QSize frame = window.size() + (gameFrame.size() - game.window()->size());
    if (QScreen* screen = game.window()->screen()) {
        window.setScreen(screen);
    }
    window.move(BesideTheGame(frame, gameFrame, screens));
}

}  // namespace tavro
