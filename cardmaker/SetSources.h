// SPDX-License-Identifier: GPL-3.0-or-later
// The maker's own files in a card set's folder, kept so that the set can be changed after the
// original photos are gone: a hidden folder ".tavro-maker", which the game never reads, with the
// reduced copy of each picture (1.jpg .. 18.jpg, and back.jpg for a back made from a picture)
// and "squares.conf", which says where each card's square lies in its copy and which back the
// set has, in the key file syntax of set.desktop:
//     [Tavro Memory Card Maker]
//     Back=green
//     Square1=120 0 480
//     File1=/home/kim/Pictures/beach.jpg
// Back is a ready-made back's id, or "picture" for back.jpg; SquareN and SquareBack are the
// square's left, top and side in pixels of its copy; FileN and FileBack the file the copy was
// made from (percent-encoded), shown to the player and named where a picture has no name. The files
// are read back as the hostile input any file may be. Also the names of all of a set's own files: a
// replace or a removal of a set removes these and nothing else.
#pragma once

#include <QByteArray>
#include <QRect>
#include <QString>
#include <QStringList>
#include <optional>
#include <vector>

#include "cardmaker/CardSetDraft.h"

namespace tavro::cardmaker {

// squares.conf's Back value for a back made from a picture (back.jpg).
inline const QString kPictureBack = QStringLiteral("picture");

inline const QString kMakerFolder = QStringLiteral(".tavro-maker");
inline const QString kSquaresFile = QStringLiteral("squares.conf");
inline const QString kBackCopy = QStringLiteral("back.jpg");
inline constexpr qint64 kSquaresMaxBytes = 16 * 1024;

// The kept copy of face n (1..18) in the maker's folder.
QString FaceCopyName(int face);
// The files of a set directly in its folder: its faces and back, as game/CardSetLayout.h names
// them, and set.desktop.
QStringList SetFileNames();
// The files of the maker's folder.
QStringList MakerFileNames();

// squares.conf for the set's files.
QByteArray SquaresText(const CardSetFiles& files);

struct SavedSquares {
    QString back;                             // a ready-made back's id, "picture", or empty
    std::vector<std::optional<QRect>> faces;  // face n's at index n - 1; 18 of them
    std::optional<QRect> backSquare;
    QStringList origins;  // face n's file at index n - 1; 18 of them, empty where not known
    QString backOrigin;
};
// What squares.conf says; entries that are missing or malformed are left out.
SavedSquares ParseSquares(const QByteArray& text);

}  // namespace tavro::cardmaker
