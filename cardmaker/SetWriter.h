// SPDX-License-Identifier: GPL-3.0-or-later
// Saving a card set into the player's card sets folder so that no crash or full disk ever leaves
// half a set under its name, and so that nothing but the maker's own files is ever removed.
// The set is written into a hidden temporary folder beside its place (hidden folders are not
// listed by the game) and renamed into place in one step. Replacing a set puts the new folder in
// the old one's place (swapped in one step where the file system can) and then removes only the
// old set's own files (SetSources.h): other files the player kept in the set's folder move into
// the new one, and an old set that is a symbolic link is replaced as the link it is, never
// followed. Every removal is made relative to the sets folder, without following any link, so
// nothing outside it is ever removed. Temporary folders that a crash left behind are cleared of
// the maker's own files by a later save once they are a day old.
#pragma once

#include <QString>
#include <stdexcept>

#include "cardmaker/CardSetDraft.h"

namespace tavro::cardmaker {

// Saving failed; nothing of the new set is left behind and an old set is unchanged.
class SetWriteError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Writes the set as setsFolder/<name>/ with its faces and card back (named as
// game/CardSetLayout.h names them), set.desktop and the maker's folder of kept copies, making
// the sets folder if needed. `replacing` names the player's existing set folder the new one
// replaces (its letter case, or its whole name, may differ from the new name); empty when the
// name must still be free. Returns the set's folder. Throws SetWriteError with a text for the
// player (a full disk says "no space left on the device").
QString WriteCardSet(const CardSetFiles& files, const QString& setsFolder,
                     const QString& replacing = {});

}  // namespace tavro::cardmaker
