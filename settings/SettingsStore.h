// SPDX-License-Identifier: GPL-3.0-or-later
// Loading and saving the two stored settings ("cards", "delay", and the written-only "path")
// under the key "Software/Tavro/Tavro Memory", through the key-value store (KeyValueStore.h).
#pragma once

#include "settings/Settings.h"

namespace tavro {

// Fills CardSetName and FlipDelay, with defaults and validation. Never throws.
void LoadSettings(Settings& settings);
// Writes "cards", "delay" and "path". A store that cannot be written loses this run's settings
// quietly. Never throws.
void SaveSettings(const Settings& settings);

}  // namespace tavro
