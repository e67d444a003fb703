// SPDX-License-Identifier: GPL-3.0-or-later
// The "&Play" menu's settings as they are stored: one row per setting with its key, the words
// it is stored as, its default and where it goes in PlaySettings. The store reads, writes and
// removes exactly the keys listed here, and loading and saving go through the same rows, so that
// a setting added here is read, checked, written and left out at its default in one place.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "settings/Settings.h"

namespace tavro {

struct PlaySettingRow {
    std::string key;
    // Takes the stored text into `play`; a text the row does not know leaves the default.
    std::function<void(PlaySettings& play, const std::string& stored)> take;
    // The text to store; empty while the setting is at its default, which is not stored.
    std::function<std::string(const PlaySettings& play)> give;
};

// Every row, in the order the settings file lists them.
const std::vector<PlaySettingRow>& PlaySettingRows();

}  // namespace tavro
