// SPDX-License-Identifier: GPL-3.0-or-later
// The picture control: draws its picture stretched over the whole control (never cropped, the
// aspect ratio is not kept) and turns a left press followed by a left release inside the control
// into clicked(). With no picture it draws nothing, so whatever lies behind stays visible. The
// keyboard cursor ring is drawn over the picture in black and white dashes, so that it shows on
// any picture and is never taken for the hint's blue frame around it.
//
// The motions only change how the picture is drawn while they run: a turn narrows the drawing
// about the control's vertical centre line (the old picture in the first half, the new one in the
// second), a lift draws a gold frame inside the edge whose strength rises and falls. Once they are
// over the control draws exactly as one that never moved.
#include "controls/PictureBox.h"

#include <QMouseEvent>
#include <QPainter>
#include <QVariantAnimation>
#include <algorithm>
#include <cmath>
#include <numbers>
#include <utility>

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
    previous_ = std::exchange(picture_, picture);
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

QVariantAnimation* PictureBox::StartMotion(int durationMs, qreal* value) {
    auto* animation = new QVariantAnimation(this);
    animation->setStartValue(0.0);
    animation->setEndValue(1.0);
    animation->setDuration(std::max(1, durationMs));
    connect(animation, &QVariantAnimation::valueChanged, this, [this, value](const QVariant& v) {
        *value = v.toReal();
        update();
    });
    connect(animation, &QAbstractAnimation::finished, this, [this, value] {
        *value = 1.0;
        update();
    });
    *value = 0.0;
    animation->start(QAbstractAnimation::DeleteWhenStopped);
    return animation;
}

void PictureBox::animateTurn(int durationMs) {
    if (turn_ != nullptr) {
        turn_->stop();  // a new turn starts from the picture shown before the last one
    }
    turn_ = StartMotion(durationMs, &turnProgress_);
    turn_->setEasingCurve(QEasingCurve::InOutQuad);
    update();
}

void PictureBox::animateLift(int durationMs) {
    if (lift_ != nullptr) {
        lift_->stop();
    }
    lift_ = StartMotion(durationMs, &liftProgress_);
    update();
}

void PictureBox::stopMotion() {
    for (QVariantAnimation* animation : {turn_.data(), lift_.data()}) {
        if (animation != nullptr) {
            animation->stop();  // deleted, as it was started
        }
    }
    turn_ = nullptr;
    lift_ = nullptr;
    turnProgress_ = 1.0;
    liftProgress_ = 1.0;
    update();
}

void PictureBox::paintEvent(QPaintEvent* /*event*/) {
    const bool turning = turnProgress_ < 1.0;
    const bool lifting = liftProgress_ < 1.0;
    if (picture_.isNull() && !ringShown_ && !turning) {
        return;
    }
    QPainter painter(this);
    if (turning) {
        // First half: the old side narrows to a line; second half: the new side opens.
        const bool oldSide = turnProgress_ < 0.5;
        const QImage& side = oldSide ? previous_ : picture_;
        const qreal width = oldSide ? 1.0 - 2.0 * turnProgress_ : 2.0 * turnProgress_ - 1.0;
        QRectF target = WholeDevicePixels(size(), devicePixelRatioF());
        const qreal narrowed = target.width() * width;
        target.adjust((target.width() - narrowed) / 2.0, 0.0, -(target.width() - narrowed) / 2.0,
                      0.0);
        if (!side.isNull() && narrowed > 0.0) {
            painter.setRenderHint(QPainter::SmoothPixmapTransform);
            painter.drawImage(target, side);
        }
    } else if (!picture_.isNull()) {
        painter.setRenderHint(QPainter::SmoothPixmapTransform);
        painter.drawImage(WholeDevicePixels(size(), devicePixelRatioF()), picture_);
    }
    if (lifting) {
        // Rises and falls once: strongest half-way.
        const qreal strength = std::sin(liftProgress_ * std::numbers::pi);
        const int frameWidth = std::max(2, qRound(4 * ringScale_));
        const qreal inset = frameWidth / 2.0;
        painter.setPen(QPen(QColor(255, 200, 40, qRound(255 * strength)), frameWidth, Qt::SolidLine,
                            Qt::SquareCap, Qt::MiterJoin));
        painter.setBrush(QColor(255, 255, 255, qRound(70 * strength)));
        painter.drawRect(QRectF(rect()).adjusted(inset, inset, -inset, -inset));
        painter.setBrush(Qt::NoBrush);
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
