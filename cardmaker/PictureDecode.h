// SPDX-License-Identifier: GPL-3.0-or-later
// Decoding a picture file into the reduced copy the maker keeps (its longest side at most 1600
// pixels), with the memory of the decoding bounded before anything is decoded. Each format is
// read the cheapest way it allows:
//   - JPEG at an eighth, a quarter or half its size by libjpeg's own scaling (a progressive one
//     needs its whole picture's coefficients besides, at any size);
//   - PNG of 8-bit colour row by row into the reduced size;
//   - WebP reduced as libwebp decodes it;
//   - any other format at its full size, then reduced band by band.
// The memory a read takes is estimated from the file's header: width x height x the bytes per
// pixel of what the decoder makes, plus the reduced copy. A picture that would take more than
// kPictureMemoryBudget is refused with a text naming its size, as is a file larger than
// kMaxPictureFileSize, before it is read. Reads on several threads at once together stay within
// the budget too: a read waits until the memory it needs is free.
// A picture that decodes with errors (cut off, damaged) is refused with the reason.
#pragma once

#include <QFile>
#include <QImage>
#include <QSize>
#include <QString>

namespace tavro::cardmaker {

// The longest side of the copy of a picture the maker keeps.
inline constexpr int kKeptSide = 1600;
// Larger files are refused before they are read: a photo of 24 megapixels takes a fraction.
inline constexpr qint64 kMaxPictureFileSize = qint64{100} * 1000 * 1000;
// The memory reading one picture may take. With the maker's own 20 MB or so this keeps the
// command line within 3 x the game's start-up (about 33 MB) for any set of pictures it takes:
// it reads one picture at a time and keeps only compressed copies.
inline constexpr qint64 kPictureMemoryBudget = qint64{80} * 1000 * 1000;
// Text and other data a JPEG may carry besides its picture (camera data, colour profiles).
inline constexpr qint64 kMaxPictureMetadataBytes = qint64{8} * 1000 * 1000;

// The size of the kept copy of a picture of the given size: the same, or reduced to a longest
// side of kKeptSide.
QSize KeptSize(const QSize& size);

struct DecodedPicture {
    QImage image;      // upright, at most KeptSize; null when there is a problem
    QSize sourceSize;  // the picture's size in the file, upright
    QString problem;   // why it can't be read, for the player
};

// Decodes the open picture file (a regular file, already checked for its size). Safe to call
// on several threads at once, each with its own file.
DecodedPicture DecodePicture(QFile& file);

}  // namespace tavro::cardmaker
