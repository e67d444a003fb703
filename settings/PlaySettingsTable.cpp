// SPDX-License-Identifier: GPL-3.0-or-later
// The rows of the "&Play" menu's settings; see PlaySettingsTable.h. Each is a word of its own in
// the file, so that a hand-edited file is plain to read, and anything else means the default.
#include "settings/PlaySettingsTable.h"

#include <QChar>
#include <QString>
#include <map>

namespace tavro {
namespace {

// A setting stored as one of a few words.
template <class Value>
PlaySettingRow WordRow(const char* key, Value PlaySettings::*field,
                       std::map<std::string, Value> words) {
    const PlaySettings defaults;
    const Value fallback = defaults.*field;
    auto take = [field, words](PlaySettings& play, const std::string& stored) {
        if (const auto word = words.find(stored); word != words.end()) {
            play.*field = word->second;
        }
    };
    auto give = [field, words, fallback](const PlaySettings& play) {
        const Value value = play.*field;
        std::string text;
        for (const auto& [word, meaning] : words) {
            if (meaning == value && value != fallback) {
                text = word;
            }
        }
        return text;
    };
    return {key, take, give};
}

// A name short enough for the bottom line, with nothing in it that is not plain text.
bool IsValidPlayerName(const std::string& stored) {
    const QString text = QString::fromStdString(stored);
    if (text.size() > kMaxPlayerNameLength || text.trimmed().isEmpty() ||
        text.toStdString() != stored) {  // not UTF-8
        return false;
    }
    for (const QChar c : text) {
        if (c.category() == QChar::Other_Control || c.category() == QChar::Other_Format ||
            c.category() == QChar::Separator_Line || c.category() == QChar::Separator_Paragraph) {
            return false;
        }
    }
    return true;
}

// A player's name; empty (the default name) is not stored.
PlaySettingRow NameRow(const char* key, std::size_t seat) {
    return {key,
            [seat](PlaySettings& play, const std::string& stored) {
                if (IsValidPlayerName(stored)) {
                    play.PlayerNames[seat] = stored;
                }
            },
            [seat](const PlaySettings& play) { return play.PlayerNames[seat]; }};
}

const std::map<std::string, bool> kSwitchWords = {{"off", false}, {"on", true}};

}  // namespace

const std::vector<PlaySettingRow>& PlaySettingRows() {
    static const std::vector<PlaySettingRow> rows = {
        WordRow("players", &PlaySettings::Mode,
                std::map<std::string, PlayMode>{{"one", PlayMode::OnePlayer},
                                                {"two", PlayMode::TwoPlayers},
                                                {"computer", PlayMode::AgainstComputer}}),
        NameRow("player1", 0),
        NameRow("player2", 1),
        WordRow(
            "strength", &PlaySettings::Strength,
            std::map<std::string, ComputerStrength>{{"forgetful", ComputerStrength::Forgetful},
                                                    {"fair", ComputerStrength::Fair},
                                                    {"perfect", ComputerStrength::PerfectMemory}}),
        WordRow("starts", &PlaySettings::Starts,
                std::map<std::string, StartRule>{{"player", StartRule::Player},
                                                 {"alternate", StartRule::Alternate}}),
        WordRow("sounds", &PlaySettings::Sounds, kSwitchWords),
        WordRow("animate", &PlaySettings::Animate, kSwitchWords),
        WordRow("records", &PlaySettings::RecordGames, kSwitchWords),
        WordRow("cardsize", &PlaySettings::Size,
                std::map<std::string, CardSize>{{"150", CardSize::Large150},
                                                {"200", CardSize::Large200},
                                                {"300", CardSize::Large300},
                                                {"fit", CardSize::FitScreen}}),
    };
    return rows;
}

}  // namespace tavro
