// SPDX-License-Identifier: GPL-3.0-or-later
// Fingerprints of card squares: a difference hash of their light and dark, and their colours.
#include "cardmaker/PictureLook.h"

#include <QCryptographicHash>
#include <bit>
#include <cstdlib>

namespace tavro::cardmaker {
namespace {

// Spots of the 64 that may differ in light and dark, and the mean difference of a colour
// channel over the parts, for faces that look alike: a picture saved again as a JPEG of low
// quality, or at half its size, stays well within both; different photos don't, nor do plain
// colours a player tells apart at a glance (red and orange: 36 levels apart on average).
constexpr int kShapeTolerance = 10;
constexpr int kColourTolerance = 12;

QByteArray ExactHash(const QImage& square) {
    QCryptographicHash hash(QCryptographicHash::Sha256);
    const int size[2] = {square.width(), square.height()};
    hash.addData(QByteArrayView(reinterpret_cast<const char*>(size), sizeof size));
    for (int y = 0; y < square.height(); ++y) {
        hash.addData(QByteArrayView(reinterpret_cast<const char*>(square.constScanLine(y)),
                                    qsizetype{square.width()} * 4));
    }
    return hash.result();
}

quint64 ShapeHash(const QImage& square) {
    const QImage small = square.scaled(9, 8, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    quint64 bits = 0;
    for (int y = 0; y < 8; ++y) {
        for (int x = 0; x < 8; ++x) {
            bits = (bits << 1) | (qGray(small.pixel(x, y)) < qGray(small.pixel(x + 1, y)) ? 1 : 0);
        }
    }
    return bits;
}

std::array<quint8, 48> ColourParts(const QImage& square) {
    const QImage small = square.scaled(4, 4, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    std::array<quint8, 48> colours{};
    for (int part = 0; part < 16; ++part) {
        const QRgb colour = small.pixel(part % 4, part / 4);
        colours[3 * part] = static_cast<quint8>(qRed(colour));
        colours[3 * part + 1] = static_cast<quint8>(qGreen(colour));
        colours[3 * part + 2] = static_cast<quint8>(qBlue(colour));
    }
    return colours;
}

}  // namespace

FaceFingerprint MakeFingerprint(const QImage& picture, const QRect& square) {
    FaceFingerprint print;
    const QImage part = picture.copy(square).convertToFormat(QImage::Format_RGB32);
    if (part.isNull()) {
        return print;
    }
    print.exact = ExactHash(part);
    print.shape = ShapeHash(part);
    print.colours = ColourParts(part);
    return print;
}

bool SameFace(const FaceFingerprint& a, const FaceFingerprint& b) {
    return a.isValid() && a.exact == b.exact;
}

bool LooksAlike(const FaceFingerprint& a, const FaceFingerprint& b) {
    if (!a.isValid() || !b.isValid() || std::popcount(a.shape ^ b.shape) > kShapeTolerance) {
        return false;
    }
    int difference = 0;
    for (size_t n = 0; n < a.colours.size(); ++n) {
        difference += std::abs(int{a.colours[n]} - int{b.colours[n]});
    }
    return difference <= kColourTolerance * static_cast<int>(a.colours.size());
}

}  // namespace tavro::cardmaker
