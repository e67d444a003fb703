// SPDX-License-Identifier: GPL-3.0-or-later
// The end of a game's celebration: a few dozen pieces of confetti falling over the board for a
// moment, drawn in a transparent child widget that lets every click through and takes no focus.
// It removes itself once it has run its time.
#pragma once

#include <QColor>
#include <QWidget>
#include <vector>

class QVariantAnimation;

namespace tavro {

class Celebration : public QWidget {
public:
    // Covers `board` (its whole area) and starts at once.
    Celebration(QWidget* board, int durationMs);

    // The running fall, 0..1; a test steps it with setCurrentTime.
    QVariantAnimation* animation() const { return animation_; }

protected:
    void paintEvent(QPaintEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    struct Piece {
        qreal x;      // where it starts, as a share of the width
        qreal drift;  // how far it moves sideways over its fall
        qreal speed;  // heights fallen over the whole time
        qreal delay;  // share of the time before it starts
        qreal size;   // as a share of the board's width
        qreal spin;   // turns over the whole time
        QColor colour;
    };

    std::vector<Piece> pieces_;
    QVariantAnimation* animation_ = nullptr;
    qreal progress_ = 0.0;
};

}  // namespace tavro
