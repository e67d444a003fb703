// SPDX-License-Identifier: GPL-3.0-or-later
// The crop view: a picture with its card square, moved by dragging or with the arrow keys and
// zoomed with the wheel or the + and - keys.
#include "cardmaker/CropView.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QWheelEvent>

namespace tavro::cardmaker {
namespace {

constexpr int kViewSide = 320;
constexpr qreal kKeyStep = 8;     // widget pixels an arrow key moves the square
constexpr int kWheelNotch = 120;  // eighths of a degree: one notch of a common wheel

}  // namespace

CropView::CropView(QWidget* parent) : QWidget(parent) {
    setFocusPolicy(Qt::StrongFocus);
    setCursor(Qt::SizeAllCursor);
    setMinimumSize(160, 160);
    setAccessibleName(tr("Part of the picture on the card"));
    setAccessibleDescription(
        tr("Drag the square, or move it with the arrow keys. The mouse wheel, or the + and - "
           "keys, make it smaller or larger."));
}

QSize CropView::sizeHint() const {
    return {kViewSide, kViewSide};
}

void CropView::setPicture(const QImage& picture, const Crop& crop) {
    picture_ = picture;
    shown_ = QImage();
    crop_ = ClampCrop(picture.size(), crop);
    dragging_ = false;
    wheelTurn_ = 0;
    update();
}

bool CropView::canZoomIn() const {
    return !picture_.isNull() &&
           CropSquare(picture_.size(), crop_).width() > SmallestCropSide(picture_.size());
}

bool CropView::canZoomOut() const {
    return !picture_.isNull() &&
           CropSquare(picture_.size(), crop_).width() < LargestCropSide(picture_.size());
}

QRectF CropView::pictureRect() const {
    if (picture_.isNull()) {
        return {};
    }
    const QSizeF shown = QSizeF(picture_.size()).scaled(QSizeF(size()), Qt::KeepAspectRatio);
    QRectF area(QPointF(), shown);
    area.moveCenter(QRectF(rect()).center());
    return area;
}

QRectF CropView::squareRect() const {
    const QRectF area = pictureRect();
    const QRect square = CropSquare(picture_.size(), crop_);
    const qreal scale = area.width() / picture_.width();
    return QRectF(area.left() + square.left() * scale, area.top() + square.top() * scale,
                  square.width() * scale, square.height() * scale);
}

// The picture reduced to the size it is drawn at, made again only when that size changes: a
// photo smoothly reduced at every repaint would slow down dragging the square.
const QImage& CropView::shownPicture(const QSizeF& size) {
    const qreal ratio = devicePixelRatioF();
    const QSize pixels = (size * ratio).toSize();
    if (shown_.size() != pixels) {
        shown_ = picture_.scaled(pixels, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        shown_.setDevicePixelRatio(ratio);
    }
    return shown_;
}

void CropView::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), palette().window());
    if (picture_.isNull()) {
        return;
    }
    const QRectF area = pictureRect();
    painter.drawImage(area, shownPicture(area.size()));
    const QRectF square = squareRect();
    QPainterPath outside;
    outside.addRect(area);
    outside.addRect(square);
    painter.fillPath(outside, QColor(0, 0, 0, 140));
    // White on black, so that the square shows on light and dark pictures alike, even when it
    // is only a few pixels wide.
    painter.setPen(QPen(Qt::black, 1));
    painter.drawRect(square.adjusted(-0.5, -0.5, 0.5, 0.5));
    painter.setPen(QPen(Qt::white, 2));
    painter.drawRect(square.adjusted(1, 1, -1, -1));
    if (hasFocus()) {
        painter.setPen(QPen(palette().highlight().color(), 1, Qt::DashLine));
        painter.drawRect(QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5));
    }
}

void CropView::changeCrop(const Crop& crop) {
    const Crop clamped = ClampCrop(picture_.size(), crop);
    if (clamped == crop_) {
        return;
    }
    crop_ = clamped;
    update();
    emit cropChanged(crop_);
}

void CropView::moveSquareBy(const QPointF& distance) {
    const QRectF area = pictureRect();
    if (area.isEmpty()) {
        return;
    }
    changeCrop({{crop_.centre.x() + distance.x() / area.width(),
                 crop_.centre.y() + distance.y() / area.height()},
                crop_.side});
}

void CropView::zoomBy(double factor) {
    if (!picture_.isNull()) {
        changeCrop(ZoomCrop(picture_.size(), crop_, factor));
    }
}

void CropView::zoomIn() {
    zoomBy(kZoomStep);
}

void CropView::zoomOut() {
    zoomBy(1 / kZoomStep);
}

void CropView::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton && !picture_.isNull()) {
        dragging_ = true;
        dragFrom_ = event->position();
    }
}

void CropView::mouseMoveEvent(QMouseEvent* event) {
    if (!dragging_) {
        return;
    }
    // The square follows the mouse, but only as far as the picture reaches.
    const QPointF before = crop_.centre;
    moveSquareBy(event->position() - dragFrom_);
    const QRectF area = pictureRect();
    dragFrom_ += QPointF((crop_.centre.x() - before.x()) * area.width(),
                         (crop_.centre.y() - before.y()) * area.height());
}

void CropView::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) {
        dragging_ = false;
    }
}

void CropView::wheelEvent(QWheelEvent* event) {
    if (picture_.isNull()) {
        event->ignore();
        return;
    }
    // Turning the wheel away from the player zooms in; touchpads turn it in small parts.
    wheelTurn_ += event->angleDelta().y();
    while (wheelTurn_ >= kWheelNotch) {
        wheelTurn_ -= kWheelNotch;
        zoomIn();
    }
    while (wheelTurn_ <= -kWheelNotch) {
        wheelTurn_ += kWheelNotch;
        zoomOut();
    }
    event->accept();
}

void CropView::keyPressEvent(QKeyEvent* event) {
    switch (event->key()) {
        case Qt::Key_Left:
            moveSquareBy({-kKeyStep, 0});
            break;
        case Qt::Key_Right:
            moveSquareBy({kKeyStep, 0});
            break;
        case Qt::Key_Up:
            moveSquareBy({0, -kKeyStep});
            break;
        case Qt::Key_Down:
            moveSquareBy({0, kKeyStep});
            break;
        case Qt::Key_Plus:
        case Qt::Key_Equal:  // + without Shift on many keyboards
            zoomIn();
            break;
        case Qt::Key_Minus:
            zoomOut();
            break;
        default:
            QWidget::keyPressEvent(event);
    }
}

}  // namespace tavro::cardmaker
