// SPDX-License-Identifier: GPL-3.0-or-later
// The optional names of a card set's pictures, for screen readers: a plain text file
// "names.txt" in the set's folder with one name per line, line n for picture n.bmp (1..18).
// The file is treated as untrusted: only a regular file is read, only its first few kilobytes,
// it must be UTF-8 text, control characters are dropped and each name is kept short. Without a
// usable file, or for a missing or empty line, a picture is called "picture n".
#pragma once

#include <QString>
#include <QStringList>

namespace tavro {

inline constexpr const char* kCardNamesFileName = "names.txt";
inline constexpr int kNamedPictures = 18;
inline constexpr qint64 kCardNamesMaxBytes = 4096;
inline constexpr int kCardNameMaxLength = 40;

// The names of pictures 1..18 (index n - 1) from folder/names.txt; an empty entry where the
// file gives no name. Never throws; an unreadable or unsuitable file gives no names at all.
QStringList ReadCardNames(const QString& folder);
// The same for file contents already read (at most kCardNamesMaxBytes of them are looked at).
QStringList ParseCardNames(const QByteArray& contents);
// Picture n's name from the list, or "picture n".
QString CardPictureName(const QStringList& names, int picture);

}  // namespace tavro
