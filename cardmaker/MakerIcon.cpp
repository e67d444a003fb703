// SPDX-License-Identifier: GPL-3.0-or-later
// Drawing the card maker's icon on top of the game's.
#include "cardmaker/MakerIcon.h"

#include <QPainter>
#include <QPixmap>

#include "dialogkit/AppIcon.h"

namespace tavro::cardmaker {

QImage DrawMakerIcon(int size) {
    QImage icon = DrawAppIcon(size);
    QPainter painter(&icon);
    painter.setRenderHint(QPainter::Antialiasing);
    const qreal badge = size * 0.46;
    const QRectF circle(size - badge, size - badge, badge, badge);
    painter.setPen(QPen(Qt::white, std::max(1.0, size / 32.0)));
    painter.setBrush(QColor(0x1E, 0x8C, 0x3A));
    painter.drawEllipse(circle.adjusted(0.5, 0.5, -0.5, -0.5));
    const qreal arm = badge * 0.28;
    painter.setPen(QPen(Qt::white, std::max(1.5, badge * 0.16), Qt::SolidLine, Qt::FlatCap));
    const QPointF centre = circle.center();
    painter.drawLine(centre - QPointF(arm, 0), centre + QPointF(arm, 0));
    painter.drawLine(centre - QPointF(0, arm), centre + QPointF(0, arm));
    return icon;
}

QIcon MakerIcon() {
    QIcon icon;
    for (const int size : {16, 32, 48, 64}) {
        icon.addPixmap(QPixmap::fromImage(DrawMakerIcon(size)));
    }
    return icon;
}

}  // namespace tavro::cardmaker
