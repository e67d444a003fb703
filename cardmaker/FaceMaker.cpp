// SPDX-License-Identifier: GPL-3.0-or-later
// Card faces from pictures, and the card backs.
#include "cardmaker/FaceMaker.h"

#include <QCoreApplication>
#include <QPainter>
#include <algorithm>
#include <array>
#include <cmath>

#include "cardart/CardDrawing.h"

namespace tavro::cardmaker {
namespace {

using cardsets::CardStyle;
using cardsets::kCardSize;

struct BackText {
    Q_DECLARE_TR_FUNCTIONS(CardMaker)
};

// The edge around a photo: a dark grey that frames light and dark pictures alike.
const QColor kPhotoEdge(0x3A, 0x3A, 0x40);

struct ReadyBackStyle {
    const char* id;
    CardStyle style;
};

const std::array<ReadyBackStyle, 5>& ReadyBackStyles() {
    static const std::array<ReadyBackStyle, 5> styles{{
        {"blue",
         {Qt::white, QColor(0x1B, 0x3A, 0x8C), QColor(0x1B, 0x3A, 0x8C), QColor(0x5B, 0x84, 0xE0)}},
        {"red",
         {Qt::white, QColor(0x8C, 0x1B, 0x2E), QColor(0x8C, 0x1B, 0x2E), QColor(0xE0, 0x5B, 0x70)}},
        {"green",
         {Qt::white, QColor(0x1E, 0x6B, 0x3A), QColor(0x1E, 0x6B, 0x3A), QColor(0x5B, 0xC4, 0x7F)}},
        {"purple",
         {Qt::white, QColor(0x5A, 0x2A, 0x8C), QColor(0x5A, 0x2A, 0x8C), QColor(0xA5, 0x7B, 0xE0)}},
        {"orange",
         {Qt::white, QColor(0xA8, 0x50, 0x0F), QColor(0xA8, 0x50, 0x0F), QColor(0xF0, 0xA0, 0x50)}},
    }};
    return styles;
}

int CropOffset(int length, int side, double centre) {
    const double start = centre * length - side / 2.0;
    return std::clamp(static_cast<int>(std::lround(start)), 0, length - side);
}

}  // namespace

QRect CropSquare(const QSize& size, const QPointF& centre) {
    const int side = std::min(size.width(), size.height());
    return QRect(CropOffset(size.width(), side, centre.x()),
                 CropOffset(size.height(), side, centre.y()), side, side);
}

QPointF ClampCropCentre(const QSize& size, const QPointF& centre) {
    if (size.isEmpty()) {
        return {0.5, 0.5};
    }
    const QRect square = CropSquare(size, centre);
    const QPointF middle = QRectF(square).center();
    return {middle.x() / size.width(), middle.y() / size.height()};
}

QImage MakeFace(const Picture& picture) {
    const QImage square =
        picture.image.copy(CropSquare(picture.image.size(), picture.cropCentre))
            .scaled(kCardSize, kCardSize, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    QImage face = cardsets::NewCardCanvas();
    {
        QPainter painter(&face);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setClipPath(cardsets::CardOutline());
        painter.drawImage(0, 0, square);
    }
    cardsets::DrawCardEdge(face, kPhotoEdge);
    return face;
}

QStringList ReadyBackIds() {
    QStringList ids;
    for (const ReadyBackStyle& back : ReadyBackStyles()) {
        ids << QString::fromLatin1(back.id);
    }
    return ids;
}

QString ReadyBackName(const QString& id) {
    if (id == u"blue") {
        return BackText::tr("Blue");
    }
    if (id == u"red") {
        return BackText::tr("Red");
    }
    if (id == u"green") {
        return BackText::tr("Green");
    }
    if (id == u"purple") {
        return BackText::tr("Purple");
    }
    if (id == u"orange") {
        return BackText::tr("Orange");
    }
    return id;
}

QImage ReadyBack(const QString& id) {
    for (const ReadyBackStyle& back : ReadyBackStyles()) {
        if (id == QLatin1String(back.id)) {
            return cardsets::CardBack(back.style);
        }
    }
    return {};
}

}  // namespace tavro::cardmaker
