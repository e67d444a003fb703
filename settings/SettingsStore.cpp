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

// The "&Play" menu's settings as stored: each a word of its own, so that a hand-edited file is
// plain to read, and anything else means the default.
const std::map<std::string, PlayMode> kModeWords = {{"one", PlayMode::OnePlayer},
                                                    {"two", PlayMode::TwoPlayers},
                                                    {"computer", PlayMode::AgainstComputer}};
const std::map<std::string, ComputerStrength> kStrengthWords = {
    {"forgetful", ComputerStrength::Forgetful},
    {"fair", ComputerStrength::Fair},
    {"perfect", ComputerStrength::PerfectMemory}};
const std::map<std::string, bool> kSwitchWords = {{"off", false}, {"on", true}};
constexpr const char* kPlayerKeys[] = {"player1", "player2"};

template <class Value>
Value FromWord(const std::map<std::string, std::string>& added, const char* name,
               const std::map<std::string, Value>& words, Value fallback) {
    const auto stored = added.find(name);
    if (stored == added.end()) {
        return fallback;
    }
    const auto word = words.find(stored->second);
    return word == words.end() ? fallback : word->second;
}

template <class Value>
std::string WordOf(const std::map<std::string, Value>& words, Value value) {
    for (const auto& [word, meaning] : words) {
        if (meaning == value) {
            return word;
        }
    }
    return {};
}

// A name short enough for the bottom line, with nothing in it that is not plain text.
std::string ValidPlayerName(const std::map<std::string, std::string>& added, const char* name) {
    const auto stored = added.find(name);
    if (stored == added.end()) {
        return {};
    }
    const QString text = QString::fromStdString(stored->second);
    if (text.size() > kMaxPlayerNameLength || text.trimmed().isEmpty() ||
        text.toStdString() != stored->second) {  // not UTF-8
        return {};
    }
    for (const QChar c : text) {
        if (c.category() == QChar::Other_Control || c.category() == QChar::Other_Format ||
            c.category() == QChar::Separator_Line || c.category() == QChar::Separator_Paragraph) {
            return {};
        }
    }
    return stored->second;
}

PlaySettings ValidPlaySettings(const std::map<std::string, std::string>& added) {
    const PlaySettings defaults;
    PlaySettings play;
    play.Mode = FromWord(added, "players", kModeWords, defaults.Mode);
    play.Strength = FromWord(added, "strength", kStrengthWords, defaults.Strength);
    play.Sounds = FromWord(added, "sounds", kSwitchWords, defaults.Sounds);
    play.RecordGames = FromWord(added, "records", kSwitchWords, defaults.RecordGames);
    for (std::size_t i = 0; i < play.PlayerNames.size(); ++i) {
        play.PlayerNames[i] = ValidPlayerName(added, kPlayerKeys[i]);
    }
    return play;
}

// The values that differ from their defaults; the others are not stored.
std::map<std::string, std::string> AddedValues(const PlaySettings& play) {
    const PlaySettings defaults;
    std::map<std::string, std::string> added;
    if (play.Mode != defaults.Mode) {
        added["players"] = WordOf(kModeWords, play.Mode);
    }
    if (play.Strength != defaults.Strength) {
        added["strength"] = WordOf(kStrengthWords, play.Strength);
    }
    if (play.Sounds != defaults.Sounds) {
        added["sounds"] = WordOf(kSwitchWords, play.Sounds);
    }
    if (play.RecordGames != defaults.RecordGames) {
        added["records"] = WordOf(kSwitchWords, play.RecordGames);
    }
    for (std::size_t i = 0; i < play.PlayerNames.size(); ++i) {
        if (!play.PlayerNames[i].empty()) {
            added[kPlayerKeys[i]] = play.PlayerNames[i];
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
