// SPDX-License-Identifier: GPL-3.0-or-later
// Draws the About logo: a card back and two matching faces fanned over a soft blue ground.
// Drawing it at run time keeps the picture ours and the executable free of binary resources.
#include "dialogs/AboutLogo.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>
#include <QtMath>

namespace tavro {
namespace {

constexpr QSizeF kCardSize{58.0, 80.0};
constexpr qreal kCardRadius = 6.0;

QRectF CardRect() {
    return {-kCardSize.width() / 2, -kCardSize.height() / 2, kCardSize.width(), kCardSize.height()};
}

void DrawCardOutline(QPainter& painter, const QColor& fill) {
    painter.setPen(QPen(QColor(40, 40, 70), 1.5));
    painter.setBrush(fill);
    painter.drawRoundedRect(CardRect(), kCardRadius, kCardRadius);
}

// The back: a red card with a lattice of diamonds inside a white border.
void DrawCardBack(QPainter& painter) {
    DrawCardOutline(painter, Qt::white);
    const QRectF inner = CardRect().adjusted(5, 5, -5, -5);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(190, 30, 45));
    painter.drawRoundedRect(inner, 3, 3);
    painter.setPen(QPen(QColor(250, 200, 200), 1.0));
    painter.setClipRect(inner);
    for (qreal d = -inner.height(); d < inner.width() + inner.height(); d += 8) {
        painter.drawLine(QPointF(inner.left() + d, inner.top()),
                         QPointF(inner.left() + d - inner.height(), inner.bottom()));
        painter.drawLine(QPointF(inner.left() + d - inner.height(), inner.top()),
                         QPointF(inner.left() + d, inner.bottom()));
    }
    painter.setClipping(false);
}

QPolygonF Star(qreal outer, qreal inner) {
    QPolygonF star;
    for (int i = 0; i < 10; ++i) {
        const qreal radius = (i % 2 == 0) ? outer : inner;
        const qreal angle = qDegreesToRadians(-90.0 + 36.0 * i);
        star << QPointF(radius * qCos(angle), radius * qSin(angle));
    }
    return star;
}

// A face: a golden star on a cream card, the same on both cards of the pair.
void DrawCardFace(QPainter& painter) {
    DrawCardOutline(painter, QColor(255, 250, 235));
    painter.setPen(QPen(QColor(150, 100, 0), 1.2));
    painter.setBrush(QColor(250, 190, 30));
    painter.drawPolygon(Star(20, 8.5));
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(60, 120, 200));
    painter.drawEllipse(QPointF(-19, -30), 4, 4);
    painter.drawEllipse(QPointF(19, 30), 4, 4);
}

void DrawCardAt(QPainter& painter, QPointF centre, qreal degrees, bool faceUp) {
    painter.save();
    painter.translate(centre);
    painter.rotate(degrees);
    if (faceUp) {
        DrawCardFace(painter);
    } else {
        DrawCardBack(painter);
    }
    painter.restore();
}

}  // namespace

QImage DrawAboutLogo(qreal devicePixelRatio) {
    const qreal ratio = devicePixelRatio > 0 ? devicePixelRatio : 1.0;
    QImage logo(qCeil(kAboutLogoWidth * ratio), qCeil(kAboutLogoHeight * ratio),
                QImage::Format_RGB888);
    logo.setDevicePixelRatio(ratio);  // the painter then works in the logo's own pixels
    QPainter painter(&logo);
    painter.setRenderHint(QPainter::Antialiasing);

    QLinearGradient ground(0, 0, 0, kAboutLogoHeight);
    ground.setColorAt(0.0, QColor(225, 238, 255));
    ground.setColorAt(1.0, QColor(150, 185, 235));
    // The whole picture: at a ratio that is not whole, its last column and row of device pixels
    // reach past the logo's size in pixels and would otherwise keep whatever memory held.
    painter.fillRect(QRectF(0, 0, logo.width() / ratio, logo.height() / ratio), ground);

    DrawCardAt(painter, QPointF(42, 68), -18, false);
    DrawCardAt(painter, QPointF(103, 68), 18, true);
    DrawCardAt(painter, QPointF(72, 62), 0, true);
    painter.end();
    return logo;
}

}  // namespace tavro
