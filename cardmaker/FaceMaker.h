// SPDX-License-Identifier: GPL-3.0-or-later
// Turning a picture into a card: the square part the player picked, reduced to the card size and
// drawn inside the rounded card edge; and the card backs, ready-made ones in a few colours or one
// made from a picture.
#pragma once

#include <QImage>
#include <QPointF>
#include <QRect>
#include <QString>
#include <QStringList>

#include "cardmaker/MakerPicture.h"

namespace tavro::cardmaker {

// The largest square of a picture of the size, centred as near the given centre (fractions of
// the picture) as the picture allows.
QRect CropSquare(const QSize& size, const QPointF& centre);
// The centre, as fractions, that CropSquare honours exactly: moved in as far as the square needs.
QPointF ClampCropCentre(const QSize& size, const QPointF& centre);
// The card face of the picture: its square part, card-sized, within the rounded card edge.
QImage MakeFace(const Picture& picture);

// The ready-made backs by their names on the command line ("blue", "red", ...), in offer order.
QStringList ReadyBackIds();
// The name of a ready-made back for the player ("Blue"), translated.
QString ReadyBackName(const QString& id);
// The ready-made back; a null image for an unknown id.
QImage ReadyBack(const QString& id);

}  // namespace tavro::cardmaker
