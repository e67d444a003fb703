// SPDX-License-Identifier: GPL-3.0-or-later
// The main window at the chosen card size: one scale for the whole board (frames, pictures, the
// bottom line and its letters, the keyboard cursor ring), the chosen size's unless the window's
// screen holds less. The menu bar and the window's frame stay as the desktop draws them. The
// scale follows the window's screen: another screen, its available area changing, the frame the
// window manager gives it. At a new scale the pictures on the board are read again at the pixels
// they are shown, each file once, and the window is kept within the screen's available area.
#pragma once

#include <QObject>
#include <array>
#include <cstdint>
#include <exception>
#include <functional>

#include "game/GameState.h"

class QScreen;
class QWindow;

namespace tavro {

class ScoreLine;
class TForm1;

class BoardSizing : public QObject {
    Q_OBJECT
public:
    // `failed` hears what a change of size threw (a card set that vanished meanwhile, say).
    BoardSizing(TForm1& window, std::function<void(std::exception_ptr)> failed);

    void SetScoreLine(ScoreLine* line) { scoreLine_ = line; }
    // The scale the window is drawn at now (1: the designed size).
    double Scale() const { return scale_; }
    // Whether pictures are enlarged to the pixels they are shown (at every scale but 1).
    bool Enlarges() const { return scale_ != 1.0; }
    // Places the board's frames, pictures and bottom line at the scale.
    void LayOut();
    // The scale for the chosen size on the window's screen; when it differs from the one shown,
    // lays the board out afresh, reads the pictures shown at their new size and keeps the window
    // within the screen's available area.
    void Apply();
    // Tile k now shows `face`: read again at the next scale.
    void NoteFace(int tile, std::int32_t face);

signals:
    // The board is drawn at a new scale: the windows that follow the card size take it too.
    void ScaleChanged(double scale);

protected:
    // The window's showing and moving: its screen and frame are known from then on.
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // The largest scale at which the window, menu bar and frame included, fits its screen.
    double ScaleThatFits() const;
    void ReloadPictures();
    void WatchScreen();
    void FollowScreen(QScreen* screen);

    static constexpr std::int32_t kNoFaceShown = -1;

    TForm1& window_;
    std::function<void(std::exception_ptr)> failed_;
    ScoreLine* scoreLine_ = nullptr;
    double scale_ = 1.0;
    std::array<std::int32_t, kTileCount + 1> shownFaces_{};  // by tile; slot 0 unused
    QWindow* watchedWindow_ = nullptr;
    QMetaObject::Connection screenWatch_;
};

}  // namespace tavro
