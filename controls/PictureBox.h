// SPDX-License-Identifier: GPL-3.0-or-later
// A picture control: shows a picture stretched to its whole size and reports clicks. It can draw
// a keyboard cursor ring over its picture, and show a card's motion: a turn (the picture it showed
// before squeezed to a line, then the new one opening) and a lift (a short bright frame).
#pragma once

#include <QImage>
#include <QPointer>
#include <QVariantAnimation>
#include <QWidget>

namespace tavro {

class PictureBox : public QWidget {
    Q_OBJECT
public:
    explicit PictureBox(QWidget* parent = nullptr);

    void setPicture(const QImage& picture);
    const QImage& picture() const { return picture_; }
    // The keyboard cursor: a black-and-white dashed ring just inside the picture's edge.
    void setCursorRingShown(bool shown);
    bool cursorRingShown() const { return ringShown_; }
    // The ring's width and inset grow with the board's scale (1: the designed ring).
    void setRingScale(qreal scale);

    // Turns the card over: the picture shown before the last setPicture squeezes to a vertical
    // line, then the present one opens to full width, eased, in `durationMs`. Only the drawing
    // moves: the control's picture already is the new one and clicks are taken meanwhile.
    void animateTurn(int durationMs);
    // A short bright frame that grows and fades again over `durationMs`.
    void animateLift(int durationMs);
    // Ends any motion at once, as if it had run its time.
    void stopMotion();
    // The running motions (null before the first and once it is over); a test steps them with
    // setCurrentTime.
    QVariantAnimation* turnAnimation() const { return turn_; }
    QVariantAnimation* liftAnimation() const { return lift_; }
    // How far the turn has got: 1 once it is over (or never started), when the picture is drawn
    // at full width exactly as without motion.
    qreal turnProgress() const { return turnProgress_; }

signals:
    // A left-button click: pressed and released over the picture.
    void clicked();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    QVariantAnimation* StartMotion(int durationMs, qreal* value);

    QImage picture_;
    QImage previous_;  // the picture before the last setPicture, which a turn starts from
    bool pressed_ = false;
    bool ringShown_ = false;
    qreal ringScale_ = 1.0;
    qreal turnProgress_ = 1.0;  // 0..1, eased; 1: no turn under way
    qreal liftProgress_ = 1.0;  // 0..1; 1: no lift under way
    QPointer<QVariantAnimation> turn_;
    QPointer<QVariantAnimation> lift_;
};

}  // namespace tavro
