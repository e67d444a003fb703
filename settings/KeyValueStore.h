// SPDX-License-Identifier: GPL-3.0-or-later
// The settings store behind a small interface of our own: key-value files holding the key path
// "Software/Tavro/Tavro Memory" (KeyValueStoreIni.cpp). It reads and writes raw values; the
// defaults and the validation are the caller's. A port to a system with a store of its own (a
// registry) implements KeyValueStore and OpenSettingsStore in a file of its own and builds that
// in place of KeyValueStoreIni.cpp.
#pragma once

#include <cstdint>
#include <map>
#include <memory>
#include <optional>
#include <string>

namespace tavro {

// The values as stored. One that is absent or of the wrong type (a "cards" that is not text, a
// "delay" that is not a whole 32-bit number) is empty.
struct StoredSettings {
    std::optional<std::string> Cards;   // UTF-8
    std::optional<std::int32_t> Delay;  // milliseconds
    // The values the program adds beside "cards" and "delay" (the keys of PlaySettingRows), each
    // as text (UTF-8) under its own name in the same place; one that is absent or not text is
    // left out.
    std::map<std::string, std::string> Added;
};

class KeyValueStore {
public:
    virtual ~KeyValueStore() = default;
    // Everything empty when the key cannot be opened.
    virtual StoredSettings Read() = 0;
    // Writes "cards", "delay" and "path" in this order, then the added values given, and removes
    // the added values not given (those at their defaults). False when the store could not take
    // them.
    virtual bool Write(const std::string& cards, std::int32_t delay, const std::string& path,
                       const std::map<std::string, std::string>& added) = 0;
    // Where a save that could not be written was meant to go at last, for the player's message;
    // empty where the store has no such place.
    virtual std::string SavePlace() const { return {}; }
};

// The program's store.
std::unique_ptr<KeyValueStore> OpenSettingsStore();

}  // namespace tavro
