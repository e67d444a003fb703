// SPDX-License-Identifier: GPL-3.0-or-later
// Shows a whole picture with the square part that goes on the card outlined and the rest dimmed.
// Dragging with the mouse, or the arrow keys, move the square.
#pragma once

#include <QImage>
#include <QPointF>
#include <QWidget>

namespace tavro::cardmaker {

class CropView : public QWidget {
    Q_OBJECT
public:
    explicit CropView(QWidget* parent = nullptr);

    // The picture and the centre of its square, as fractions of the picture; a null image
    // shows nothing.
    void setPicture(const QImage& picture, const QPointF& cropCentre);
    QPointF cropCentre() const { return centre_; }
    // Where the picture is drawn in the widget.
    QRectF pictureRect() const;

    QSize sizeHint() const override;

signals:
    // The player moved the square.
    void cropChanged(const QPointF& centre);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    // Moves the square by the distance in widget pixels.
    void moveSquareBy(const QPointF& distance);
    QRectF squareRect() const;

    QImage picture_;
    QPointF centre_{0.5, 0.5};
    QPointF dragFrom_;
    bool dragging_ = false;
};

}  // namespace tavro::cardmaker
