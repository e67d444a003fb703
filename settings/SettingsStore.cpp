// SPDX-License-Identifier: GPL-3.0-or-later
// Loading the two stored settings with their defaults and validation, and saving them with the
// program's folder. A value that is absent or of the wrong type takes its default, and a store
// that cannot be read or written never stops the program.
#include "settings/SettingsStore.h"

#include <QCoreApplication>
#include <QDir>
#include <exception>

#include "settings/KeyValueStore.h"

namespace tavro {
namespace {

std::string ValidCardSetName(const std::optional<std::string>& stored) {
    return stored && !stored->empty() ? *stored : std::string(kDefaultCardSet);
}

std::int32_t ValidFlipDelay(const std::optional<std::int32_t>& stored) {
    const std::int32_t delay = stored.value_or(kDefaultFlipDelay);
    if (delay % kFlipDelayStep != 0 || delay < kMinFlipDelay || delay > kMaxFlipDelay) {
        return kDefaultFlipDelay;
    }
    return delay;
}

// The executable's folder with its trailing separator, in the platform's notation.
std::string ProgramFolder() {
    if (!QCoreApplication::instance()) {
        return {};
    }
    return QDir::toNativeSeparators(QCoreApplication::applicationDirPath() + QLatin1Char('/'))
        .toStdString();
}

}  // namespace

void LoadSettings(Settings& settings) {
    StoredSettings stored;
    try {
        stored = OpenSettingsStore()->Read();
    } catch (const std::exception&) {
        stored = {};  // an unreadable store gives the defaults
    }
    settings.CardSetName = ValidCardSetName(stored.Cards);
    settings.FlipDelay = ValidFlipDelay(stored.Delay);
}

void SaveSettings(const Settings& settings) {
    try {
        OpenSettingsStore()->Write(settings.CardSetName, settings.FlipDelay, ProgramFolder());
    } catch (const std::exception&) {
        // A store that cannot take them loses this run's settings, without a message.
    }
}

}  // namespace tavro
