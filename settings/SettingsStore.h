// SPDX-License-Identifier: GPL-3.0-or-later
// Loading and saving the two stored settings ("cards", "delay", and the written-only "path")
// under the key "Software/Tavro/Tavro Memory", through the key-value store (KeyValueStore.h).
#pragma once

#include <QString>

#include "settings/Settings.h"

namespace tavro {

// Fills CardSetName, FlipDelay and Play, with defaults and validation. Never throws.
void LoadSettings(Settings& settings);
// Writes "cards", "delay" and "path", and the Play settings that differ from their defaults.
// Returns the text that tells the player this run's settings
// were lost, naming the file they were meant for, when no store could take them; empty when they
// were saved. Never throws.
QString SaveSettings(const Settings& settings);

}  // namespace tavro
