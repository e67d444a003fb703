// SPDX-License-Identifier: GPL-3.0-or-later
// The crop view: a picture with its card square, moved by dragging or with the arrow keys.
#include "cardmaker/CropView.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>

#include "cardmaker/FaceMaker.h"

namespace tavro::cardmaker {
namespace {

constexpr int kViewSide = 320;
constexpr qreal kKeyStep = 8;  // widget pixels an arrow key moves the square

}  // namespace

CropView::CropView(QWidget* parent) : QWidget(parent) {
    setFocusPolicy(Qt::StrongFocus);
    setCursor(Qt::SizeAllCursor);
    setMinimumSize(160, 160);
    setAccessibleName(tr("Part of the picture on the card"));
    setAccessibleDescription(tr("Drag the square, or move it with the arrow keys."));
}

QSize CropView::sizeHint() const {
    return {kViewSide, kViewSide};
}

void CropView::setPicture(const QImage& picture, const QPointF& cropCentre) {
    picture_ = picture;
    centre_ = ClampCropCentre(picture.size(), cropCentre);
    dragging_ = false;
    update();
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
    const QRect square = CropSquare(picture_.size(), centre_);
    const qreal scale = area.width() / picture_.width();
    return QRectF(area.left() + square.left() * scale, area.top() + square.top() * scale,
                  square.width() * scale, square.height() * scale);
}

void CropView::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), palette().window());
    if (picture_.isNull()) {
        return;
    }
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    const QRectF area = pictureRect();
    painter.drawImage(area, picture_);
    const QRectF square = squareRect();
    QPainterPath outside;
    outside.addRect(area);
    outside.addRect(square);
    painter.fillPath(outside, QColor(0, 0, 0, 140));
    painter.setPen(QPen(Qt::white, 2));
    painter.drawRect(square.adjusted(1, 1, -1, -1));
    if (hasFocus()) {
        painter.setPen(QPen(palette().highlight().color(), 1, Qt::DashLine));
        painter.drawRect(QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5));
    }
}

void CropView::moveSquareBy(const QPointF& distance) {
    const QRectF area = pictureRect();
    if (area.isEmpty()) {
        return;
    }
    const QPointF moved(centre_.x() + distance.x() / area.width(),
                        centre_.y() + distance.y() / area.height());
    const QPointF clamped = ClampCropCentre(picture_.size(), moved);
    if (clamped != centre_) {
        centre_ = clamped;
        update();
        emit cropChanged(centre_);
    }
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
    const QPointF before = centre_;
    moveSquareBy(event->position() - dragFrom_);
    const QRectF area = pictureRect();
    dragFrom_ += QPointF((centre_.x() - before.x()) * area.width(),
                         (centre_.y() - before.y()) * area.height());
}

void CropView::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) {
        dragging_ = false;
    }
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
        default:
            QWidget::keyPressEvent(event);
    }
}

}  // namespace tavro::cardmaker
