// SPDX-License-Identifier: GPL-3.0-or-later
// The player's card sets folder, from Qt's per-user data location (which follows XDG_DATA_HOME).
#include "settings/PlayerSets.h"

#include <QStandardPaths>

namespace tavro {

QString PlayerCardSetsFolder() {
    const QString data = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
    return data + QStringLiteral("/tavro-memory/gfx/");
}

}  // namespace tavro
