// SPDX-License-Identifier: GPL-3.0-or-later
// Drawing card pictures: the card size every set uses, the blank rounded card face and the
// patterned card back, in the colours of a card style.
#pragma once

#include <QColor>
#include <QImage>
#include <QPainterPath>

#include "game/CardSetLayout.h"

namespace tavro::cardsets {

// Side of every card picture file in pixels: four times the 60 px tile, so that the pictures stay
// sharp at the larger card sizes (up to 300 %) as well as reduced to a tile or the 47 px preview.
inline constexpr int kCardSize = 240;
// Side the card drawing's measures are given in, and the side card pictures were stored at
// before: a card of another side is the same drawing scaled.
inline constexpr int kCardArtSide = 120;
inline constexpr int kFacesPerSet = kFaceCount;

// The look shared by a set's pictures.
struct CardStyle {
    QColor faceFill;     // the light face under each picture
    QColor edge;         // the rounded border of faces and back
    QColor backField;    // the deep colour of the back
    QColor backLattice;  // the lighter diagonal lattice on the back
};

// A square canvas of `side` pixels in the grey of the game's tile frames, which shows outside the
// rounded card.
QImage NewCardCanvas(int side = kCardSize);
// The rounded outline of the card on a canvas of `side` pixels, inside its border line.
QPainterPath CardOutline(int side = kCardSize);
// Draws the card's rounded border line in the colour, scaled to the canvas's width.
void DrawCardEdge(QImage& canvas, const QColor& edge);
// A blank card face: light rounded card with a coloured border on the tile-frame grey.
QImage BlankFace(const CardStyle& style, int side = kCardSize);
// The card back: white frame around a deep field with a diagonal lattice and a centre emblem.
QImage CardBack(const CardStyle& style, int side = kCardSize);

}  // namespace tavro::cardsets
