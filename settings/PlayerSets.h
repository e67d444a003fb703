// SPDX-License-Identifier: GPL-3.0-or-later
// Where the player's own card sets live: a "gfx" folder in the player's data folder, beside the
// sets that come with the game. The card-set maker writes there; the game reads from there too.
#pragma once

#include <QString>

namespace tavro {

// "$XDG_DATA_HOME/tavro-memory/gfx/", or "~/.local/share/tavro-memory/gfx/" without it (the
// platform's per-user data folder elsewhere), with a trailing '/'. The folder may not exist.
QString PlayerCardSetsFolder();

}  // namespace tavro
