// SPDX-License-Identifier: GPL-3.0-or-later
// Turning a picture into a card: the square part the player picked, reduced to the card size and
// drawn inside the rounded card edge; and the card backs, ready-made ones in a few colours or one
// made from a picture, which is framed as the ready-made backs are, so that it never looks like
// a face.
#pragma once

#include <QImage>
#include <QPointF>
#include <QRect>
#include <QString>
#include <QStringList>

#include "cardmaker/MakerPicture.h"

namespace tavro::cardmaker {

// The card face of the picture: its square part, card-sized, within the rounded card edge.
QImage MakeFace(const Picture& picture);
// The card back of the picture: its square part within a white frame inside the card edge.
QImage MakeBack(const Picture& picture);

// The ready-made backs by their names on the command line ("blue", "red", ...), in offer order.
QStringList ReadyBackIds();
// The name of a ready-made back for the player ("Blue"), translated.
QString ReadyBackName(const QString& id);
// The ready-made back; a null image for an unknown id.
QImage ReadyBack(const QString& id);
// The id of the ready-made back the text names, in any letter case ("Green"); empty for none.
QString ReadyBackId(const QString& text);

}  // namespace tavro::cardmaker
