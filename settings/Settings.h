// SPDX-License-Identifier: GPL-3.0-or-later
// The two stored settings and the card folder derived from them, and the settings of the "&Play"
// menu that the program adds (how many play, the players' names, the computer's strength, the
// sounds): plain data with no toolkit types.
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "game/PlayMode.h"

namespace tavro {

inline constexpr const char* kDefaultCardSet = "animals";
inline constexpr std::int32_t kDefaultFlipDelay = 500;
// The delay's range: 0..2000 milliseconds in steps of 50. The store refuses other values and the
// Options slider offers exactly these.
inline constexpr std::int32_t kMinFlipDelay = 0;
inline constexpr std::int32_t kMaxFlipDelay = 2000;
inline constexpr std::int32_t kFlipDelayStep = 50;

// Who plays and the computer's strength (PlayMode, ComputerStrength) are the game core's.
// A stored player's name is plain text of at most this many characters (UTF-16 code units);
// a longer one, or one with control characters, is dropped for the default name.
inline constexpr int kMaxPlayerNameLength = 20;

// The size of the cards, and with them of the whole main window: the designed size, or 150, 200
// or 300 % of it, or as large as the screen holds. The screen may allow less than is chosen.
enum class CardSize { Normal, Large150, Large200, Large300, FitScreen };

// The "&Play" menu's settings. Everything is off, or as the one-player game, until a player
// chooses otherwise.
struct PlaySettings {
    PlayMode Mode = PlayMode::OnePlayer;
    // UTF-8; empty for the default name ("Player 1", "Player 2" in the player's language).
    std::array<std::string, 2> PlayerNames{};
    ComputerStrength Strength = ComputerStrength::Fair;
    bool Sounds = false;
    bool RecordGames = false;  // each game written into the record of games, for the statistics
    StartRule Starts = StartRule::Player;  // who begins against the computer
    CardSize Size = CardSize::Normal;
    bool Animate = false;  // the cards' motion (turns, pairs, the end's confetti)
};

struct Settings {
    std::string CardSetName;     // UTF-8; the name of a folder under "gfx"
    std::int32_t FlipDelay = 0;  // milliseconds, 0..2000 in steps of 50
    std::string CardFolder;      // UTF-8; the set's folder, always ending with '/'
    PlaySettings Play;
};

}  // namespace tavro
