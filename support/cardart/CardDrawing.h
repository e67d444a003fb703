// SPDX-License-Identifier: GPL-3.0-or-later
// Drawing card pictures: the card size every set uses, the blank rounded card face and the
// patterned card back, in the colours of a card style.
#pragma once

#include <QColor>
#include <QImage>
#include <QPainterPath>

#include "game/CardSetLayout.h"

namespace tavro::cardsets {

// Side of every card picture in pixels: twice the 60 px tile, so that the pictures stay sharp
// when the game scales them down to a tile or to the 47 px preview.
inline constexpr int kCardSize = 120;
inline constexpr int kFacesPerSet = kFaceCount;

// The look shared by a set's pictures.
struct CardStyle {
    QColor faceFill;     // the light face under each picture
    QColor edge;         // the rounded border of faces and back
    QColor backField;    // the deep colour of the back
    QColor backLattice;  // the lighter diagonal lattice on the back
};

// A card-sized canvas in the grey of the game's tile frames, which shows outside the rounded card.
QImage NewCardCanvas();
// The rounded outline of the card on a canvas, inside its border line.
QPainterPath CardOutline();
// Draws the card's rounded border line in the colour.
void DrawCardEdge(QImage& canvas, const QColor& edge);
// A blank card face: light rounded card with a coloured border on the tile-frame grey.
QImage BlankFace(const CardStyle& style);
// The card back: white frame around a deep field with a diagonal lattice and a centre emblem.
QImage CardBack(const CardStyle& style);

}  // namespace tavro::cardsets
