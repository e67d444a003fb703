// SPDX-License-Identifier: GPL-3.0-or-later
// The words the record of games stores for the mode, the computer's strength and how a game
// ended ("one", "two", "computer"; "forgetful", "fair", "perfect"; "finished", "new", "options",
// "mode", "exit"): the file's own vocabulary, the same in every language, and the export's.
#pragma once

#include <QString>
#include <optional>

#include "records/GameRecord.h"

namespace tavro {

QString ModeWord(PlayMode mode);
std::optional<PlayMode> ModeFromWord(const QString& word);
QString StrengthWord(ComputerStrength strength);
std::optional<ComputerStrength> StrengthFromWord(const QString& word);
QString EndWord(GameEnd end);
std::optional<GameEnd> EndFromWord(const QString& word);

}  // namespace tavro
