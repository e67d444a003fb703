// SPDX-License-Identifier: GPL-3.0-or-later
// A face with a picture on it, and saving a generated set as bitmaps with its names.
#include "tools/cardsets/CardArt.h"

#include <QDir>
#include <QFile>
#include <QPainter>
#include <stdexcept>

#include "cardart/CardBitmap.h"
#include "cardart/TileLook.h"
#include "game/CardSetLayout.h"
#include "settings/CardSetInfo.h"

namespace tavro::cardsets {
namespace {

QString Where(const QString& fileName) {
    return QDir::toNativeSeparators(fileName);
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
                EscapeKeyFileValue(value) + u'\n';
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

QImage FaceWithPicture(const CardStyle& style, const QImage& picture, int pictureSide, int side) {
    QImage face = BlankFace(style, side);
    // Placed in whole pixels of a card of kCardArtSide pixels and then scaled, so that a larger
    // card shows the picture in the very place of the smaller one, not half a pixel beside it.
    const QSize fitted =
        picture.size().scaled(QSize(pictureSide, pictureSide), Qt::KeepAspectRatio);
    const QPoint at((kCardArtSide - fitted.width()) / 2, (kCardArtSide - fitted.height()) / 2);
    const qreal scale = static_cast<qreal>(side) / kCardArtSide;
    const QImage scaled = picture.scaled((QSizeF(fitted) * scale).toSize(), Qt::IgnoreAspectRatio,
                                         Qt::SmoothTransformation);
    QPainter painter(&face);
    painter.drawImage((QPointF(at) * scale).toPoint(), scaled);
    return face;
}

CardSetArt DrawForFiles(SetDrawing draw) {
    CardSetArt set = draw(kCardSize);
    const CardSetArt earlier = draw(kCardArtSide);
    if (set.faces.size() != earlier.faces.size()) {
        throw std::runtime_error("card set " + set.name.toStdString() +
                                 " has another number of faces at another size");
    }
    set.back = WithTileLook(set.back, earlier.back);
    for (std::size_t n = 0; n < set.faces.size(); ++n) {
        set.faces[n] = WithTileLook(set.faces[n], earlier.faces[n]);
    }
    return set;
}

void SaveCardSet(const CardSetArt& set, const QString& gfxFolder) {
    if (set.faces.size() != kFacesPerSet) {
        throw std::runtime_error("card set " + set.name.toStdString() + " needs 18 faces");
    }
    const QString folder = gfxFolder + u'/' + set.name + u'/';
    if (!QDir().mkpath(folder)) {
        throw std::runtime_error("cannot create the folder " + Where(folder).toStdString());
    }
    WriteCardBitmap(set.back, folder + QString::fromStdString(CardPictureFileName(kCardBack)));
    for (int n = 1; n <= kFacesPerSet; ++n) {
        WriteCardBitmap(set.faces[n - 1], folder + QString::fromStdString(CardPictureFileName(n)));
    }
    SaveInfo(set, folder + QStringLiteral("set.desktop"));
}

}  // namespace tavro::cardsets
