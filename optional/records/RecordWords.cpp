// SPDX-License-Identifier: GPL-3.0-or-later
// The stored words, each in one table with its value.
#include "records/RecordWords.h"

#include <utility>

namespace tavro {
namespace {

const std::pair<PlayMode, const char*> kModes[] = {{PlayMode::OnePlayer, "one"},
                                                   {PlayMode::TwoPlayers, "two"},
                                                   {PlayMode::AgainstComputer, "computer"}};
const std::pair<ComputerStrength, const char*> kStrengths[] = {
    {ComputerStrength::Forgetful, "forgetful"},
    {ComputerStrength::Fair, "fair"},
    {ComputerStrength::PerfectMemory, "perfect"}};
const std::pair<GameEnd, const char*> kEnds[] = {{GameEnd::Finished, "finished"},
                                                 {GameEnd::LeftByNew, "new"},
                                                 {GameEnd::LeftByOptions, "options"},
                                                 {GameEnd::LeftByModeChange, "mode"},
                                                 {GameEnd::LeftByExit, "exit"}};

template <class Value, std::size_t N>
QString WordOf(const std::pair<Value, const char*> (&table)[N], Value value) {
    for (const auto& [known, word] : table) {
        if (known == value) {
            return QString::fromLatin1(word);
        }
    }
    return {};
}

template <class Value, std::size_t N>
std::optional<Value> ValueOf(const std::pair<Value, const char*> (&table)[N], const QString& word) {
    for (const auto& [value, known] : table) {
        if (word == QLatin1String(known)) {
            return value;
        }
    }
    return std::nullopt;
}

}  // namespace

QString ModeWord(PlayMode mode) {
    return WordOf(kModes, mode);
}

std::optional<PlayMode> ModeFromWord(const QString& word) {
    return ValueOf(kModes, word);
}

QString StrengthWord(ComputerStrength strength) {
    return WordOf(kStrengths, strength);
}

std::optional<ComputerStrength> StrengthFromWord(const QString& word) {
    return ValueOf(kStrengths, word);
}

QString EndWord(GameEnd end) {
    return WordOf(kEnds, end);
}

std::optional<GameEnd> EndFromWord(const QString& word) {
    return ValueOf(kEnds, word);
}

}  // namespace tavro
