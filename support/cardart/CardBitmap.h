// SPDX-License-Identifier: GPL-3.0-or-later
// Writing a card picture as the game reads it: an uncompressed 24-bit Windows bitmap of the card
// size, checked after writing with the game's own header check.
#pragma once

#include <QImage>
#include <QString>
#include <stdexcept>

namespace tavro::cardsets {

// A card picture that could not be written, or not encoded as a card bitmap. The file, the
// reason and the system's error number are kept apart, so that a program can word the message
// in the player's language.
class CardBitmapError : public std::runtime_error {
public:
    CardBitmapError(const QString& fileName, const QString& reason, int systemError = 0)
        : std::runtime_error(("cannot write " + fileName + ": " + reason).toStdString()),
          fileName_(fileName),
          reason_(reason),
          systemError_(systemError) {}
    const QString& fileName() const { return fileName_; }
    const QString& reason() const { return reason_; }
    // The errno of a failed write (ENOSPC on a full disk, ...); 0 for a picture not encoded.
    int systemError() const { return systemError_; }

private:
    QString fileName_;
    QString reason_;
    int systemError_;
};

// Writes the card-sized picture to the file, flushing it to the disk, and reads it back: a
// complete, uncompressed 24-bit square bitmap. Throws CardBitmapError naming the file.
void WriteCardBitmap(const QImage& picture, const QString& fileName);
// Writes the bytes as the whole file (made, or emptied first, never through a symbolic link) and
// flushes them to the disk, so that a later rename never makes a cut-off file visible after a
// crash. Throws CardBitmapError naming the file, with the errno of the failed step.
void WriteFileDurably(const QString& fileName, const QByteArray& bytes);
// The reason the file is not an uncompressed 24-bit card-sized bitmap; empty when it is.
QString CardBitmapProblem(const QByteArray& bytes);

}  // namespace tavro::cardsets
