// SPDX-License-Identifier: GPL-3.0-or-later
// Loading a picture file into a picture control through the card set reader, scaled down to the
// pixels the control shows.
#include "controls/PictureLoad.h"

#include "controls/PictureBox.h"
#include "pictures/BitmapDecode.h"
#include "settings/CardSet.h"

namespace tavro {

void LoadPicture(PictureBox& target, const QString& fileName) {
    // Only as many pixels as the control shows are kept: a set of huge pictures would otherwise
    // hold all of them at full size for as long as they are shown.
    const QSize shown = ShownPixelSize(target.size(), target.devicePixelRatioF());
    target.setPicture(ScaleToShownSize(ReadBitmap(fileName), shown));
}

}  // namespace tavro
