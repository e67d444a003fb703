// SPDX-License-Identifier: GPL-3.0-or-later
// Telling card faces apart as a player sees them. A perceptual fingerprint of a picture's card
// square stays nearly the same when the picture is saved again at another quality or size, so
// that faces which look alike are found (four cards that look the same but don't all pair); an
// exact one finds the very same pixels. Both are made from the square only: two different
// squares of one photo are two different faces.
#pragma once

#include <QByteArray>
#include <QImage>
#include <QRect>
#include <array>

namespace tavro::cardmaker {

struct FaceFingerprint {
    QByteArray exact;   // SHA-256 of the square's pixels; empty before one is made
    quint64 shape = 0;  // for 8 x 8 spots of the square: whether each is darker than the next
    std::array<quint8, 48> colours{};  // the mean red, green and blue of 4 x 4 parts
    bool isValid() const { return !exact.isEmpty(); }
};

// The fingerprint of the square of the picture.
FaceFingerprint MakeFingerprint(const QImage& picture, const QRect& square);
// The very same pixels.
bool SameFace(const FaceFingerprint& a, const FaceFingerprint& b);
// Faces a player would take for the same picture: nearly the same light and dark, and nearly the
// same colours in each part.
bool LooksAlike(const FaceFingerprint& a, const FaceFingerprint& b);

}  // namespace tavro::cardmaker
