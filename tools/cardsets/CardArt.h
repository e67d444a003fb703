// SPDX-License-Identifier: GPL-3.0-or-later
// Shared pieces of the card set generator: a set's pictures and names, a face with a picture
// drawn on it, and writing a finished set as Windows bitmaps (the card drawing is in cardart/).
#pragma once

#include <QImage>
#include <QString>
#include <QStringList>
#include <vector>

#include "cardart/CardDrawing.h"

namespace tavro::cardsets {

// A set's names in one more language.
struct CardSetLanguage {
    QString locale;     // as in set.desktop keys: "de", "fr"
    QString name;       // the set's name
    QStringList names;  // the pictures' names, at index n - 1
};

struct CardSetArt {
    QString name;  // the folder name, also the set's English name
    QImage back;
    std::vector<QImage> faces;  // face n at index n - 1
    QStringList names;          // what face n shows, for screen readers ("fox"); at index n - 1
    std::vector<CardSetLanguage> languages;
};

// Draws `picture` centred on a blank face of `side` pixels, scaled smoothly to fit `pictureSide`
// (in the units of a card of kCardArtSide pixels).
QImage FaceWithPicture(const CardStyle& style, const QImage& picture, int pictureSide, int side);

// A set drawn with all its pictures `side` pixels wide.
using SetDrawing = CardSetArt (*)(int side);
// The set drawn at the card file size, kCardSize, each picture with the tile look of the same
// set drawn at kCardArtSide, the size the files had before (see cardart/TileLook.h): the game's
// normal card size shows exactly the pictures it always showed, and the larger sizes get the
// detail of the larger drawing.
CardSetArt DrawForFiles(SetDrawing draw);

// Writes the card back and the faces into gfxFolder/<set>/, named as game/CardSetLayout.h names
// them, as uncompressed 24-bit bitmaps and checks each file's header, and the set's and faces'
// names in every language into set.desktop. Throws std::runtime_error on failure.
void SaveCardSet(const CardSetArt& set, const QString& gfxFolder);

// The sets themselves, each picture `side` pixels wide. Throw std::runtime_error when a picture
// cannot be made.
CardSetArt AnimalSet(int side);
CardSetArt ShapeSet(int side);

}  // namespace tavro::cardsets
