// SPDX-License-Identifier: GPL-3.0-or-later
// Card faces from pictures, and the card backs.
#include "cardmaker/FaceMaker.h"

#include <QCoreApplication>
#include <QPainter>
#include <algorithm>
#include <array>
#include <cmath>

#include "cardart/CardDrawing.h"
#include "cardart/TileLook.h"

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

// The white frame of a back made from a picture, as wide as the ready-made backs' frame.
constexpr int kBackFrame = 11;

QImage SquareOf(const Picture& picture, int side) {
    const QImage square = picture.cardSquare.isNull()
                              ? KeptImage(picture).copy(CropSquare(picture.size, picture.crop))
                              : picture.cardSquare;
    return square.size() == QSize(side, side)
               ? square
               : square.scaled(side, side, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
}

}  // namespace

QImage MakeFace(const Picture& picture) {
    const QImage square = SquareOf(picture, kCardSize);
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

QImage MakeBack(const Picture& picture) {
    QImage card = cardsets::NewCardCanvas();
    QPainter painter(&card);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setClipPath(cardsets::CardOutline());
    painter.fillRect(card.rect(), Qt::white);
    // The frame is measured on a card of kCardArtSide pixels, as the ready-made backs are.
    constexpr int kScale = kCardSize / cardsets::kCardArtSide;
    const int frame = kBackFrame * kScale;
    const QRect field = card.rect().adjusted(frame, frame, -frame, -frame);
    painter.drawImage(field, SquareOf(picture, field.width()));
    painter.setClipping(false);
    painter.setPen(QPen(kPhotoEdge, 2 * kScale));
    painter.drawRect(QRectF(field).adjusted(-kScale, -kScale, kScale, kScale));
    painter.end();
    cardsets::DrawCardEdge(card, kPhotoEdge);
    return card;
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

QString ReadyBackId(const QString& text) {
    for (const QString& id : ReadyBackIds()) {
        if (id.compare(text.trimmed(), Qt::CaseInsensitive) == 0) {
            return id;
        }
    }
    return {};
}

QImage ReadyBack(const QString& id) {
    for (const ReadyBackStyle& back : ReadyBackStyles()) {
        if (id == QLatin1String(back.id)) {
            // Drawn large for the larger card sizes, and showing at the normal size exactly the
            // back that sets made with the smaller card files show.
            return cardsets::WithTileLook(cardsets::CardBack(back.style),
                                          cardsets::CardBack(back.style, cardsets::kCardArtSide));
        }
    }
    return {};
}

}  // namespace tavro::cardmaker
