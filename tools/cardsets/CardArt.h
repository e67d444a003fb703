// SPDX-License-Identifier: GPL-3.0-or-later
// Shared pieces of the card set generator: the card size, the blank card face and the patterned
// card back every set is drawn on, and writing a finished set as Windows bitmaps.
#pragma once

#include <QColor>
#include <QImage>
#include <QString>
#include <QStringList>
#include <vector>

namespace tavro::cardsets {

// Side of every card picture in pixels: twice the 60 px tile, so that the pictures stay sharp
// when the game scales them down to a tile or to the 47 px preview.
inline constexpr int kCardSize = 120;
inline constexpr int kFacesPerSet = 18;

// The look shared by a set's pictures.
struct CardStyle {
    QColor faceFill;     // the light face under each picture
    QColor edge;         // the rounded border of faces and back
    QColor backField;    // the deep colour of the back
    QColor backLattice;  // the lighter diagonal lattice on the back
};

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

// A blank card face: light rounded card with a coloured border on the tile-frame grey.
QImage BlankFace(const CardStyle& style);
// The card back: white frame around a deep field with a diagonal lattice and a centre emblem.
QImage CardBack(const CardStyle& style);
// Draws `picture` centred on a blank face, scaled smoothly to fit `pictureSide` pixels.
QImage FaceWithPicture(const CardStyle& style, const QImage& picture, int pictureSide);

// Writes gfxFolder/<set>/space.bmp and 1.bmp..18.bmp as uncompressed 24-bit bitmaps and checks
// each file's header, and the set's and faces' names in every language into set.desktop. Throws
// std::runtime_error on failure.
void SaveCardSet(const CardSetArt& set, const QString& gfxFolder);

// The sets themselves. Throw std::runtime_error when a picture cannot be made.
CardSetArt AnimalSet();
CardSetArt ShapeSet();

}  // namespace tavro::cardsets
