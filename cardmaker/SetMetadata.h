// SPDX-License-Identifier: GPL-3.0-or-later
// The metadata file "set.desktop" of a card set: a key file in UTF-8 with the group
// [Tavro Memory Card Set], the set's Name and the names of its pictures, Picture1..Picture18.
#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

#include "settings/CardSetInfo.h"

namespace tavro::cardmaker {

// The key-file escaping that the game's reader of the file undoes (settings/CardSetInfo).
using tavro::EscapeKeyFileValue;
// The whole file for the set name and its 18 picture names (face n at index n - 1).
QByteArray SetMetadataText(const QString& setName, const QStringList& pictureNames);

}  // namespace tavro::cardmaker
