// SPDX-License-Identifier: GPL-3.0-or-later
// A face with a picture on it, and saving a generated set as bitmaps with its names.
#include "tools/cardsets/CardArt.h"

#include <QDir>
#include <QFile>
#include <QPainter>
#include <stdexcept>

#include "cardart/CardBitmap.h"

namespace tavro::cardsets {
namespace {

QString Where(const QString& fileName) {
    return QDir::toNativeSeparators(fileName);
}

// One name a line, in UTF-8: the game reads it back with the same rules as any names file.
void SaveNames(const CardSetArt& set, const QString& fileName) {
    if (set.names.size() != kFacesPerSet) {
        throw std::runtime_error("card set " + set.name.toStdString() + " needs 18 names");
    }
    QFile file(fileName);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) ||
        file.write(set.names.join(u'\n').toUtf8() + '\n') < 0 || !file.flush()) {
        throw std::runtime_error("cannot write " + Where(fileName).toStdString());
    }
}

}  // namespace

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
    WriteCardBitmap(set.back, folder + QStringLiteral("space.bmp"));
    for (int n = 1; n <= kFacesPerSet; ++n) {
        WriteCardBitmap(set.faces[n - 1], folder + QString::number(n) + QStringLiteral(".bmp"));
    }
    SaveNames(set, folder + QStringLiteral("names.txt"));
}

}  // namespace tavro::cardsets
