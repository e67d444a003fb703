// SPDX-License-Identifier: GPL-3.0-or-later
// The picture control: draws its picture stretched over the whole control (never cropped, the
// aspect ratio is not kept) and turns a left press followed by a left release inside the control
// into clicked(). With no picture it draws nothing, so whatever lies behind stays visible. The
// keyboard cursor ring is drawn over the picture in black and white dashes, so that it shows on
// any picture and is never taken for the hint's blue frame around it.
#include "controls/PictureBox.h"

#include <QMouseEvent>
#include <QPainter>
#include <algorithm>
#include <cmath>

namespace tavro {
namespace {

// The control's area grown to whole device pixels. At a pixel ratio that is not whole (1.5, say)
// its right and bottom edges fall inside a device pixel; the picture covers that pixel too, the
// way a picture drawn for the ratio (145 pixels as 218 device pixels at 1.5) is made.
QRectF WholeDevicePixels(const QSize& size, qreal ratio) {
    return {0.0, 0.0, std::ceil(size.width() * ratio) / ratio,
            std::ceil(size.height() * ratio) / ratio};
}

}  // namespace

PictureBox::PictureBox(QWidget* parent) : QWidget(parent) {}

void PictureBox::setPicture(const QImage& picture) {
    picture_ = picture;
    update();
}

void PictureBox::setCursorRingShown(bool shown) {
    if (ringShown_ != shown) {
        ringShown_ = shown;
        update();
    }
}

void PictureBox::setRingScale(qreal scale) {
    if (ringScale_ != scale) {
        ringScale_ = scale;
        update();
    }
}

void PictureBox::paintEvent(QPaintEvent* /*event*/) {
    if (picture_.isNull() && !ringShown_) {
        return;
    }
    QPainter painter(this);
    if (!picture_.isNull()) {
        painter.setRenderHint(QPainter::SmoothPixmapTransform);
        painter.drawImage(WholeDevicePixels(size(), devicePixelRatioF()), picture_);
    }
    if (ringShown_) {
        // 3 pixels wide and one pixel inside the edge at the designed size.
        const int ringWidth = std::max(1, qRound(3 * ringScale_));
        const qreal inset = 1.0 + ringWidth / 2.0;
        const QRectF ring = QRectF(rect()).adjusted(inset, inset, -inset, -inset);
        painter.setPen(QPen(Qt::white, ringWidth, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
        painter.drawRect(ring);
        painter.setPen(QPen(Qt::black, ringWidth, Qt::DashLine, Qt::FlatCap, Qt::MiterJoin));
        painter.drawRect(ring);
    }
}

void PictureBox::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) {
        pressed_ = true;
        event->accept();
        return;
    }
    QWidget::mousePressEvent(event);
}

void PictureBox::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) {
        QWidget::mouseReleaseEvent(event);
        return;
    }
    const bool wasPressed = pressed_;
    pressed_ = false;
    event->accept();
    if (wasPressed && rect().contains(event->position().toPoint())) {
        emit clicked();
    }
}

}  // namespace tavro
