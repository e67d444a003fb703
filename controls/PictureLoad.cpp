// SPDX-License-Identifier: GPL-3.0-or-later
// Loading a picture file into a picture control through the card set reader, reduced to the
// pixels the control shows as it is read, or enlarged smoothly to them.
#include "controls/PictureLoad.h"

#include "controls/PictureBox.h"
#include "pictures/BitmapDecode.h"
#include "settings/CardSet.h"

namespace tavro {

QImage ReadShownPicture(const QString& fileName, const QSize& shownPixels, bool enlarge) {
    // Only as many pixels as the control shows are ever made: a set of huge pictures would
    // otherwise cost their full size while each is read, and for as long as it is shown.
    QImage picture = ReadBitmapScaled(fileName, shownPixels);
    if (enlarge && !shownPixels.isEmpty() && picture.size() != shownPixels) {
        picture = picture.scaled(shownPixels, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    }
    return picture;
}

QSize ShownPixels(const PictureBox& target) {
    return ShownPixelSize(target.size(), target.devicePixelRatioF());
}

void LoadPicture(PictureBox& target, const QString& fileName, bool enlarge) {
    target.setPicture(ReadShownPicture(fileName, ShownPixels(target), enlarge));
}

}  // namespace tavro
