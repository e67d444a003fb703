// SPDX-License-Identifier: GPL-3.0-or-later
// The metadata file "set.desktop" of a card set: a key file in UTF-8 with the group
// [Tavro Memory Card Set], the set's Name and the names of its pictures, Picture1..Picture18.
#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

namespace tavro::cardmaker {

// A value escaped as key files want it: "\s" for a leading space, "\n", "\t", "\r" and "\\".
QString EscapeKeyFileValue(const QString& value);
// The whole file for the set name and its 18 picture names (face n at index n - 1).
QByteArray SetMetadataText(const QString& setName, const QStringList& pictureNames);

}  // namespace tavro::cardmaker
