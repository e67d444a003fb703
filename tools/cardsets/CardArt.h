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

struct CardSetArt {
    QString name;
    QImage back;
    std::vector<QImage> faces;  // face n at index n - 1
    QStringList names;          // what face n shows, for screen readers ("fox"); at index n - 1
};

// Draws `picture` centred on a blank face, scaled smoothly to fit `pictureSide` pixels.
QImage FaceWithPicture(const CardStyle& style, const QImage& picture, int pictureSide);

// Writes gfxFolder/<set>/space.bmp and 1.bmp..18.bmp as uncompressed 24-bit bitmaps and checks
// each file's header, and the faces' names into names.txt, one a line. Throws
// std::runtime_error on failure.
void SaveCardSet(const CardSetArt& set, const QString& gfxFolder);

// The sets themselves. Throw std::runtime_error when a picture cannot be made.
CardSetArt AnimalSet();
CardSetArt ShapeSet();

}  // namespace tavro::cardsets
