// SPDX-License-Identifier: GPL-3.0-or-later
// The blank card face and the patterned card back.
#include "cardart/CardDrawing.h"

#include <QPainter>
#include <QPolygonF>

namespace tavro::cardsets {
namespace {

// Outside the rounded card: the grey of the game's tile frames, so the card looks rounded there.
const QColor kTableGrey(0xA0, 0xA0, 0xA4);
constexpr qreal kCornerRadius = 14;
constexpr qreal kEdgeWidth = 4;

QRectF CardRect() {
    const qreal inset = kEdgeWidth / 2 + 1;
    return QRectF(0, 0, kCardSize, kCardSize).adjusted(inset, inset, -inset, -inset);
}

void DrawLattice(QPainter& painter, const QRectF& field, const CardStyle& style) {
    painter.save();
    painter.setClipRect(field);
    painter.fillRect(field, style.backField);
    painter.setPen(QPen(style.backLattice, 2));
    constexpr int kSpacing = 12;
    for (int offset = -kCardSize; offset <= 2 * kCardSize; offset += kSpacing) {
        painter.drawLine(QPointF(offset, 0), QPointF(offset + kCardSize, kCardSize));
        painter.drawLine(QPointF(offset, 0), QPointF(offset - kCardSize, kCardSize));
    }
    painter.restore();
}

void DrawEmblem(QPainter& painter, const CardStyle& style) {
    const QPointF centre(kCardSize / 2.0, kCardSize / 2.0);
    constexpr qreal kOuter = 22;
    constexpr qreal kInner = 13;
    QPolygonF outer({centre + QPointF(0, -kOuter), centre + QPointF(kOuter, 0),
                     centre + QPointF(0, kOuter), centre + QPointF(-kOuter, 0)});
    QPolygonF inner({centre + QPointF(0, -kInner), centre + QPointF(kInner, 0),
                     centre + QPointF(0, kInner), centre + QPointF(-kInner, 0)});
    painter.setPen(QPen(style.backField, 3));
    painter.setBrush(Qt::white);
    painter.drawPolygon(outer);
    painter.setPen(Qt::NoPen);
    painter.setBrush(style.backLattice);
    painter.drawPolygon(inner);
}

}  // namespace

QImage NewCardCanvas() {
    QImage canvas(kCardSize, kCardSize, QImage::Format_RGB32);
    canvas.fill(kTableGrey);
    return canvas;
}

QPainterPath CardOutline() {
    QPainterPath path;
    path.addRoundedRect(CardRect(), kCornerRadius, kCornerRadius);
    return path;
}

void DrawCardEdge(QImage& canvas, const QColor& edge) {
    QPainter painter(&canvas);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(edge, kEdgeWidth));
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(CardOutline());
}

QImage BlankFace(const CardStyle& style) {
    QImage canvas = NewCardCanvas();
    QPainter painter(&canvas);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(style.edge, kEdgeWidth));
    painter.setBrush(style.faceFill);
    painter.drawRoundedRect(CardRect(), kCornerRadius, kCornerRadius);
    return canvas;
}

QImage CardBack(const CardStyle& style) {
    QImage canvas = NewCardCanvas();
    QPainter painter(&canvas);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(style.edge, kEdgeWidth));
    painter.setBrush(Qt::white);
    painter.drawRoundedRect(CardRect(), kCornerRadius, kCornerRadius);

    constexpr qreal kFrame = 11;
    const QRectF field = CardRect().adjusted(kFrame, kFrame, -kFrame, -kFrame);
    DrawLattice(painter, field, style);
    painter.setPen(QPen(style.backField, 2));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(field);
    DrawEmblem(painter, style);
    return canvas;
}

}  // namespace tavro::cardsets
