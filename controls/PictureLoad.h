// SPDX-License-Identifier: GPL-3.0-or-later
// Loading a card set's picture file into a picture control, at the size the control shows it.
#pragma once

#include <QImage>
#include <QSize>
#include <QString>

namespace tavro {

class PictureBox;

// The named bitmap as `shownPixels` device pixels show it: a larger picture is reduced smoothly
// (an area average) as it is read. With `enlarge` a smaller one is then enlarged smoothly from
// the file's own pixels to exactly that size; without, it is returned as read and stretched as it
// is drawn. Throws PictureError (settings/CardSet.h).
QImage ReadShownPicture(const QString& fileName, const QSize& shownPixels, bool enlarge);
// The device pixels the control shows.
QSize ShownPixels(const PictureBox& target);
// Loads the named bitmap into the picture control, replacing what it showed; `enlarge` as above
// (the board enlarges at every card size but the designed one). Throws PictureError; the control
// then keeps its picture.
void LoadPicture(PictureBox& target, const QString& fileName, bool enlarge = false);

}  // namespace tavro
