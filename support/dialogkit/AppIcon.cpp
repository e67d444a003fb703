// SPDX-License-Identifier: GPL-3.0-or-later
// Draws the application icon at each of its sizes rather than shipping picture files: a grey
// card back with a blue border behind a white card with a red heart-like face, on a transparent
// ground.
#include "dialogkit/AppIcon.h"

#include <QIconEngine>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <algorithm>

namespace tavro {

QImage DrawAppIcon(int size) {
    size = std::max(size, 1);
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing, size > 16);
    const qreal unit = size / 16.0;
    const qreal pen = std::max<qreal>(1.0, unit * 0.75);

    // The card behind: face down.
    painter.setPen(QPen(QColor(0, 0, 160), pen));
    painter.setBrush(QColor(0xA0, 0xA0, 0xA4));
    painter.drawRoundedRect(QRectF(unit * 0.5, unit * 0.5, unit * 9, unit * 12), unit, unit);

    // The card in front: face up, with a red heart.
    painter.setPen(QPen(Qt::black, pen));
    painter.setBrush(Qt::white);
    const QRectF front(unit * 6, unit * 3.5, unit * 9.5, unit * 12);
    painter.drawRoundedRect(front, unit, unit);

    QPainterPath heart;
    const QPointF c = front.center();
    heart.moveTo(c.x(), c.y() + unit * 3.5);
    heart.cubicTo(c.x() - unit * 5, c.y(), c.x() - unit * 2.5, c.y() - unit * 4.5, c.x(),
                  c.y() - unit * 1.5);
    heart.cubicTo(c.x() + unit * 2.5, c.y() - unit * 4.5, c.x() + unit * 5, c.y(), c.x(),
                  c.y() + unit * 3.5);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(220, 0, 0));
    painter.drawPath(heart);
    return image;
}

namespace {

// Draws the icon at the size asked for instead of scaling one of a few fixed pictures, which
// would blur it at 1.5 or 2 device pixels per pixel.
class AppIconEngine : public QIconEngine {
public:
    QPixmap pixmap(const QSize& size, QIcon::Mode /*mode*/, QIcon::State /*state*/) override {
        return QPixmap::fromImage(DrawAppIcon(std::min(size.width(), size.height())));
    }
    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode,
               QIcon::State state) override {
        const qreal ratio =
            painter->device() != nullptr ? painter->device()->devicePixelRatioF() : 1;
        QPixmap picture = pixmap(rect.size() * ratio, mode, state);
        picture.setDevicePixelRatio(ratio);
        painter->drawPixmap(rect.topLeft(), picture);
    }
    QList<QSize> availableSizes(QIcon::Mode /*mode*/, QIcon::State /*state*/) override {
        return {{16, 16}, {32, 32}, {48, 48}, {64, 64}};
    }
    QIconEngine* clone() const override { return new AppIconEngine; }
    QString key() const override { return QStringLiteral("TavroAppIcon"); }
};

}  // namespace

QIcon AppIcon() {
    return QIcon(new AppIconEngine);
}

}  // namespace tavro
