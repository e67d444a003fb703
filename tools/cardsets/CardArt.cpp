// SPDX-License-Identifier: GPL-3.0-or-later
// The card face and card back shared by all generated sets, and saving a set as bitmaps.
#include "tools/cardsets/CardArt.h"

#include <QDir>
#include <QFile>
#include <QPainter>
#include <QPainterPath>
#include <stdexcept>

#include "settings/BitmapHeader.h"

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

QImage NewCanvas() {
    QImage canvas(kCardSize, kCardSize, QImage::Format_RGB32);
    canvas.fill(kTableGrey);
    return canvas;
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

QString Where(const QString& fileName) {
    return QDir::toNativeSeparators(fileName);
}

// Reads back a written file: a complete bitmap, 24 bits per pixel, no compression, square.
void CheckWrittenBitmap(const QString& fileName) {
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly)) {
        throw std::runtime_error("cannot read back " + Where(fileName).toStdString());
    }
    const QByteArray bytes = file.readAll();
    const bool complete = CheckBitmapHeader(bytes).isEmpty();
    const BitmapHeader header = complete ? ParseBitmapHeader(bytes) : BitmapHeader{};
    const bool fine = complete && header.bitCount == 24 && header.compression == kBiRgb &&
                      header.width == kCardSize && header.height == kCardSize;
    if (!fine) {
        throw std::runtime_error(Where(fileName).toStdString() +
                                 " is not an uncompressed 24-bit square bitmap");
    }
}

void SaveBitmap(const QImage& picture, const QString& fileName) {
    if (picture.width() != kCardSize || picture.height() != kCardSize) {
        throw std::runtime_error("wrong picture size for " + Where(fileName).toStdString());
    }
    if (!picture.convertToFormat(QImage::Format_RGB888).save(fileName, "BMP")) {
        throw std::runtime_error("cannot write " + Where(fileName).toStdString());
    }
    CheckWrittenBitmap(fileName);
}

// A key file value: a leading space and the characters that need it escaped.
QString Escaped(QString value) {
    value.replace(u'\\', QStringLiteral("\\\\"))
        .replace(u'\n', QStringLiteral("\\n"))
        .replace(u'\t', QStringLiteral("\\t"))
        .replace(u'\r', QStringLiteral("\\r"));
    if (value.startsWith(u' ')) {
        value.replace(0, 1, QStringLiteral("\\s"));
    }
    return value;
}

void CheckNameCount(const CardSetArt& set, const QStringList& names) {
    if (names.size() != kFacesPerSet) {
        throw std::runtime_error("card set " + set.name.toStdString() + " needs 18 names");
    }
}

// The set's and its pictures' names, in English and each further language, in the key file
// syntax of desktop entries, UTF-8.
QString InfoText(const CardSetArt& set) {
    CheckNameCount(set, set.names);
    QString text = QStringLiteral(
        "# The names of the card set and its pictures, by language.\n"
        "[Tavro Memory Card Set]\n");
    const auto line = [&text](const QString& key, const QString& locale, const QString& value) {
        text += key + (locale.isEmpty() ? QString() : u'[' + locale + u']') + u'=' +
                Escaped(value) + u'\n';
    };
    line(QStringLiteral("Name"), {}, set.name);
    for (const CardSetLanguage& language : set.languages) {
        line(QStringLiteral("Name"), language.locale, language.name);
    }
    for (int n = 1; n <= kFacesPerSet; ++n) {
        const QString key = QStringLiteral("Picture%1").arg(n);
        line(key, {}, set.names[n - 1]);
        for (const CardSetLanguage& language : set.languages) {
            CheckNameCount(set, language.names);
            line(key, language.locale, language.names[n - 1]);
        }
    }
    return text;
}

void SaveInfo(const CardSetArt& set, const QString& fileName) {
    QFile file(fileName);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) ||
        file.write(InfoText(set).toUtf8()) < 0 || !file.flush()) {
        throw std::runtime_error("cannot write " + Where(fileName).toStdString());
    }
}

}  // namespace

QImage BlankFace(const CardStyle& style) {
    QImage canvas = NewCanvas();
    QPainter painter(&canvas);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(style.edge, kEdgeWidth));
    painter.setBrush(style.faceFill);
    painter.drawRoundedRect(CardRect(), kCornerRadius, kCornerRadius);
    return canvas;
}

QImage CardBack(const CardStyle& style) {
    QImage canvas = NewCanvas();
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

QImage FaceWithPicture(const CardStyle& style, const QImage& picture, int pictureSide) {
    QImage face = BlankFace(style);
    const QImage scaled =
        picture.scaled(pictureSide, pictureSide, Qt::KeepAspectRatio, Qt::SmoothTransformation);
    QPainter painter(&face);
    painter.drawImage((kCardSize - scaled.width()) / 2, (kCardSize - scaled.height()) / 2, scaled);
    return face;
}

void SaveCardSet(const CardSetArt& set, const QString& gfxFolder) {
    if (set.faces.size() != kFacesPerSet) {
        throw std::runtime_error("card set " + set.name.toStdString() + " needs 18 faces");
    }
    const QString folder = gfxFolder + u'/' + set.name + u'/';
    if (!QDir().mkpath(folder)) {
        throw std::runtime_error("cannot create the folder " + Where(folder).toStdString());
    }
    SaveBitmap(set.back, folder + QStringLiteral("space.bmp"));
    for (int n = 1; n <= kFacesPerSet; ++n) {
        SaveBitmap(set.faces[n - 1], folder + QString::number(n) + QStringLiteral(".bmp"));
    }
    SaveInfo(set, folder + QStringLiteral("set.desktop"));
}

}  // namespace tavro::cardsets
