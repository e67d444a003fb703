// SPDX-License-Identifier: GPL-3.0-or-later
// The players' names as the game shows them: the name stored in the settings, or the default
// ("Player 1", "Player 2" in the player's language) where none is; the computer's name; and what
// a name box may hold and store: plain text only, of at most kMaxPlayerNameLength characters, as
// the settings store checks a stored name.
#pragma once

#include <QString>
#include <QValidator>
#include <string>

#include "settings/Settings.h"

namespace tavro {

// "Player 1" for player 0, "Player 2" for player 1.
QString DefaultPlayerName(int player);
// The name player 0 or 1 plays by (UTF-8 settings to text).
QString PlayerName(const PlaySettings& play, int player);
// "Computer".
QString ComputerName();
// What to store for a name typed for player 0 or 1: empty (the default name, in whatever
// language the game next speaks) for a blank name or the default one, else the name without the
// spaces around it.
std::string StoredPlayerName(const QString& typed, int player);

// Drops the characters that are not plain text (controls, format characters, line and paragraph
// separators) from what is typed or pasted, so that a name never changes how the text around it
// is shown, and the settings store keeps it.
class PlayerNameValidator : public QValidator {
public:
    explicit PlayerNameValidator(QObject* parent);
    State validate(QString& input, int& pos) const override;
};

}  // namespace tavro
