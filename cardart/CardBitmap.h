// SPDX-License-Identifier: GPL-3.0-or-later
// Writing a card picture as the game reads it: an uncompressed 24-bit Windows bitmap of the card
// size, checked after writing with the game's own header check.
#pragma once

#include <QImage>
#include <QString>
#include <stdexcept>

namespace tavro::cardsets {

// A card picture that could not be written or did not read back as a card bitmap.
class CardBitmapError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Writes the card-sized picture to the file, flushing it to the disk, and reads it back: a
// complete, uncompressed 24-bit square bitmap. Throws CardBitmapError naming the file.
void WriteCardBitmap(const QImage& picture, const QString& fileName);
// The reason the file is not an uncompressed 24-bit card-sized bitmap; empty when it is.
QString CardBitmapProblem(const QByteArray& bytes);

}  // namespace tavro::cardsets
