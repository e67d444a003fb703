// SPDX-License-Identifier: GPL-3.0-or-later
// Loading a card set's picture file into a picture control, at the size the control shows it.
#pragma once

#include <QString>

namespace tavro {

class PictureBox;

// Loads the named bitmap into the picture control, replacing what it showed. Throws PictureError
// (settings/CardSet.h); the control then keeps its picture.
void LoadPicture(PictureBox& target, const QString& fileName);

}  // namespace tavro
