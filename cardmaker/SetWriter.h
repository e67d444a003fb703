// SPDX-License-Identifier: GPL-3.0-or-later
// Saving a card set into the player's card sets folder so that no crash or full disk ever leaves
// half a set under its name: the set is written into a hidden temporary folder beside its place
// (hidden folders are not listed by the game) and then renamed into place in one step. Such
// temporary folders that a crash left behind are removed by a later save once they are a day old.
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
// game/CardSetLayout.h names them) and set.desktop, making the sets folder if needed.
// `replacing` names the player's existing set folder the new one replaces (letter case may
// differ from the name); empty when the name must still be free. Returns the set's folder. Throws
// SetWriteError with a text for the player.
QString WriteCardSet(const CardSetFiles& files, const QString& setsFolder,
                     const QString& replacing = {});

}  // namespace tavro::cardmaker
