// SPDX-License-Identifier: GPL-3.0-or-later
// Loading a picture file into a picture control through the card set reader, reduced to the
// pixels the control shows as it is read.
#include "controls/PictureLoad.h"

#include "controls/PictureBox.h"
#include "pictures/BitmapDecode.h"
#include "settings/CardSet.h"

namespace tavro {

void LoadPicture(PictureBox& target, const QString& fileName) {
    // Only as many pixels as the control shows are ever made: a set of huge pictures would
    // otherwise cost their full size while each is read, and for as long as it is shown.
    const QSize shown = ShownPixelSize(target.size(), target.devicePixelRatioF());
    target.setPicture(ReadBitmapScaled(fileName, shown));
}

}  // namespace tavro
