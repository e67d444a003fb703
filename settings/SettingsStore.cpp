// SPDX-License-Identifier: GPL-3.0-or-later
// Loading the two stored settings and the "&Play" menu's with their defaults and validation, and
// saving them with the program's folder. A value that is absent or of the wrong type takes its
// default, and a store that cannot be read or written never stops the program.
#include "settings/SettingsStore.h"

#include <QCoreApplication>
#include <QDir>
#include <QString>
#include <exception>
#include <map>
#include <memory>
#include <string>
#include <utility>

#include "settings/KeyValueStore.h"
#include "settings/PlaySettingsTable.h"

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

PlaySettings ValidPlaySettings(const std::map<std::string, std::string>& added) {
    PlaySettings play;
    for (const PlaySettingRow& row : PlaySettingRows()) {
        if (const auto stored = added.find(row.key); stored != added.end()) {
            row.take(play, stored->second);
        }
    }
    return play;
}

// The values that differ from their defaults; the others are not stored.
std::map<std::string, std::string> AddedValues(const PlaySettings& play) {
    std::map<std::string, std::string> added;
    for (const PlaySettingRow& row : PlaySettingRows()) {
        if (std::string text = row.give(play); !text.empty()) {
            added[row.key] = std::move(text);
        }
    }
    return added;
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
    settings.Play = ValidPlaySettings(stored.Added);
}

QString SaveSettings(const Settings& settings) {
    std::string place;
    try {
        const std::unique_ptr<KeyValueStore> store = OpenSettingsStore();
        if (store->Write(settings.CardSetName, settings.FlipDelay, ProgramFolder(),
                         AddedValues(settings.Play))) {
            return {};
        }
        place = store->SavePlace();
    } catch (const std::exception&) {
    }
    if (place.empty()) {
        return QCoreApplication::translate("SettingsStore",
                                           "The card set and the delay could not be saved");
    }
    return QCoreApplication::translate("SettingsStore",
                                       "The card set and the delay could not be saved to %1")
        .arg(QString::fromStdString(place));
}

}  // namespace tavro
