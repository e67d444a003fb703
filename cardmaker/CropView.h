// SPDX-License-Identifier: GPL-3.0-or-later
// Shows a whole picture with the square part that goes on the card outlined and the rest dimmed.
// Dragging with the mouse, or the arrow keys, move the square; the mouse wheel, the + and - keys
// (and the window's zoom buttons, through zoomIn and zoomOut) make it smaller or larger, from the
// picture's whole shorter side down to the card's own 120 pixels of it (CropModel.h).
#pragma once

#include <QImage>
#include <QPointF>
#include <QWidget>

#include "cardmaker/CropModel.h"

namespace tavro::cardmaker {

class CropView : public QWidget {
    Q_OBJECT
public:
    explicit CropView(QWidget* parent = nullptr);

    // The picture and its square; a null image shows nothing.
    void setPicture(const QImage& picture, const Crop& crop);
    const Crop& crop() const { return crop_; }
    // Where the picture is drawn in the widget.
    QRectF pictureRect() const;
    // Whether the square can be made smaller, or larger.
    bool canZoomIn() const;
    bool canZoomOut() const;

    QSize sizeHint() const override;

public slots:
    void zoomIn();
    void zoomOut();

signals:
    // The player moved the square, or zoomed it.
    void cropChanged(const tavro::cardmaker::Crop& crop);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    // Moves the square by the distance in widget pixels.
    void moveSquareBy(const QPointF& distance);
    void zoomBy(double factor);
    // Takes the crop (clamped), repaints and tells the window when it changed.
    void changeCrop(const Crop& crop);
    QRectF squareRect() const;
    const QImage& shownPicture(const QSizeF& size);

    QImage picture_;
    QImage shown_;  // the picture as drawn, reduced to its place in the widget
    Crop crop_;
    QPointF dragFrom_;
    bool dragging_ = false;
    int wheelTurn_ = 0;  // eighths of a degree turned and not yet taken as a zoom step
};

}  // namespace tavro::cardmaker
