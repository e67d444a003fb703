// SPDX-License-Identifier: GPL-3.0-or-later
// One picture the player adds to a card set: read from any image format Qt reads, bounded in
// memory before it is decoded (PictureDecode.h), turned upright by the camera's orientation tag,
// made opaque and reduced to a longest side of 1600 pixels. That reduced copy is what the maker
// keeps: in memory, and as a JPEG file that the set stores so that its squares can be changed
// after the original photos are gone. The part used on the card is a square of it (CropModel.h),
// whose fingerprint (PictureLook.h) tells faces that look alike.
#pragma once

#include <QByteArray>
#include <QImage>
#include <QSize>
#include <QString>

#include "cardmaker/CropModel.h"
#include "cardmaker/PictureDecode.h"
#include "cardmaker/PictureLook.h"

namespace tavro::cardmaker {

struct Picture {
    QString file;           // where it was read from, as given
    QString canonicalFile;  // the same file with links and "." resolved: tells the same file apart
    QString name;           // what it shows, for the set's metadata; the file's base name at first
    QSize sourceSize;       // the picture's own size, upright, before it was reduced
    QSize size;             // the kept copy's size
    QImage image;           // the kept copy, upright and opaque; null once dropped (DropImage)
    QByteArray keptFile;    // the kept copy as the JPEG file the set stores
    Crop crop;              // the square on the card, in the kept copy's pixels; always clamped
    QImage cardSquare;      // the square reduced to the card's size, made with the square
    FaceFingerprint fingerprint;  // of the square
};

struct PictureRead {
    Picture picture;  // valid when problem is empty
    QString problem;  // why the file could not be read, for the player
};

// Reads the picture file, refusing anything but a regular file of a readable image format that
// fits the memory bounds, and anything damaged. The square starts at DefaultCrop. Safe to call
// on several threads at once, one picture per call, so that a window can read pictures off its
// own thread and stop between two pictures.
PictureRead ReadPicture(const QString& file);
// The kept copy, decoded again from keptFile where the image was dropped.
QImage KeptImage(const Picture& picture);
// Drops the decoded kept copy to save memory (about 7 MB a photo; its JPEG file takes a tenth).
void DropImage(Picture& picture);
// Places the picture's square (clamped to the picture) and makes its card-sized copy and its
// fingerprint again (from the decoded copy where it is at hand, so a dropped picture keeps the
// exact colours of its square).
void SetCrop(Picture& picture, const Crop& crop);
// The JPEG file of a kept copy.
QByteArray EncodeKeptFile(const QImage& image);

}  // namespace tavro::cardmaker
