// SPDX-License-Identifier: GPL-3.0-or-later
// The blank card face and the patterned card back.
#include "cardart/CardDrawing.h"

#include <QPainter>
#include <QPolygonF>
#include <QTransform>

namespace tavro::cardsets {
namespace {

// Outside the rounded card: the grey of the game's tile frames, so the card looks rounded there.
const QColor kTableGrey(0xA0, 0xA0, 0xA4);
constexpr qreal kCornerRadius = 14;
constexpr qreal kEdgeWidth = 4;

// The measures below are in the units of a card of kCardArtSide pixels; a painter scaled by
// ArtScale draws them on a canvas of any side.
qreal ArtScale(int side) {
    return static_cast<qreal>(side) / kCardArtSide;
}

QRectF CardRect() {
    const qreal inset = kEdgeWidth / 2 + 1;
    return QRectF(0, 0, kCardArtSide, kCardArtSide).adjusted(inset, inset, -inset, -inset);
}

void DrawLattice(QPainter& painter, const QRectF& field, const CardStyle& style) {
    painter.save();
    painter.setClipRect(field);
    painter.fillRect(field, style.backField);
    painter.setPen(QPen(style.backLattice, 2));
    constexpr int kSpacing = 12;
    constexpr int kSide = kCardArtSide;
    for (int offset = -kSide; offset <= 2 * kSide; offset += kSpacing) {
        painter.drawLine(QPointF(offset, 0), QPointF(offset + kSide, kSide));
        painter.drawLine(QPointF(offset, 0), QPointF(offset - kSide, kSide));
    }
    painter.restore();
}

void DrawEmblem(QPainter& painter, const CardStyle& style) {
    const QPointF centre(kCardArtSide / 2.0, kCardArtSide / 2.0);
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

QImage NewCardCanvas(int side) {
    QImage canvas(side, side, QImage::Format_RGB32);
    canvas.fill(kTableGrey);
    return canvas;
}

QPainterPath CardOutline(int side) {
    QPainterPath path;
    path.addRoundedRect(CardRect(), kCornerRadius, kCornerRadius);
    return QTransform::fromScale(ArtScale(side), ArtScale(side)).map(path);
}

void DrawCardEdge(QImage& canvas, const QColor& edge) {
    QPainter painter(&canvas);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.scale(ArtScale(canvas.width()), ArtScale(canvas.width()));
    painter.setPen(QPen(edge, kEdgeWidth));
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(CardOutline(kCardArtSide));
}

QImage BlankFace(const CardStyle& style, int side) {
    QImage canvas = NewCardCanvas(side);
    QPainter painter(&canvas);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.scale(ArtScale(side), ArtScale(side));
    painter.setPen(QPen(style.edge, kEdgeWidth));
    painter.setBrush(style.faceFill);
    painter.drawRoundedRect(CardRect(), kCornerRadius, kCornerRadius);
    return canvas;
}

QImage CardBack(const CardStyle& style, int side) {
    QImage canvas = NewCardCanvas(side);
    QPainter painter(&canvas);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.scale(ArtScale(side), ArtScale(side));
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
