// SPDX-License-Identifier: GPL-3.0-or-later
// The game's sounds and their files, in one place: the sounds tool writes the files into the
// "sounds" folder beside the game, the sounds module plays them, and the main window picks one
// for each outcome. Plain data, no toolkit.
#pragma once

#include <array>
#include <cstddef>

namespace tavro {

enum class Sound {
    Turn,       // a card turned face up
    Match,      // a pair found
    Miss,       // a pair that does not match
    Hint,       // a hint shown
    GameEnd,    // the last pair found
    HighScore,  // the last pair found with a score for the Leads
};
inline constexpr std::size_t kSoundCount = 6;

// The folder beside the game that holds the sounds.
inline constexpr const char* kSoundsFolderName = "sounds";
// Each sound's file in that folder, by Sound (16-bit PCM WAVE files).
inline constexpr std::array<const char*, kSoundCount> kSoundFileNames = {
    "turn.wav", "match.wav", "miss.wav", "hint.wav", "end.wav", "highscore.wav"};

constexpr const char* SoundFileName(Sound sound) {
    return kSoundFileNames[static_cast<std::size_t>(sound)];
}

}  // namespace tavro
