// SPDX-License-Identifier: GPL-3.0-or-later
// One picture the player adds to a card set: read from any image format Qt reads, turned upright
// by the camera's orientation tag, and kept at a reduced working size, never at the full size of
// a big photo. The part of it used on the card is a square, placed by its centre.
#pragma once

#include <QByteArray>
#include <QImage>
#include <QPointF>
#include <QString>

namespace tavro::cardmaker {

// Pictures are kept with their shorter side at most this long: four times the card side, so
// that the square the player picks is still sharp on the card and in the window.
inline constexpr int kWorkingSide = 480;
// Larger files are refused before they are read: no photo comes near this size.
inline constexpr qint64 kMaxPictureFileSize = qint64{512} * 1024 * 1024;

struct Picture {
    QString file;           // where it was read from, as given
    QString canonicalFile;  // the same file with links and "." resolved: tells the same file apart
    QString name;           // what it shows, for the set's metadata; the file's base name at first
    QImage image;           // upright, reduced to the working size
    QByteArray pixelHash;   // tells two files with the same picture apart
    QPointF cropCentre{0.5, 0.5};  // the centre of the used square, as fractions of the picture
};

struct PictureRead {
    Picture picture;  // valid when problem is empty
    QString problem;  // why the file could not be read, for the player
};

// Reads the picture file, refusing anything but a regular file of a readable image format.
PictureRead ReadPicture(const QString& file);
// The size a picture of the given size is read at: its shorter side at most kWorkingSide.
QSize WorkingSize(const QSize& stored);

}  // namespace tavro::cardmaker
