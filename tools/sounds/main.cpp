// SPDX-License-Identifier: GPL-3.0-or-later
// make_sounds: synthesises the game's sounds into the given folder (the "sounds" folder beside
// the game), one WAVE file for each sound that sounds/Sound.h names: a short tick for a turned
// card, a rising chime for a pair, a falling pair of soft notes for a miss, a quick sparkle for a
// hint, an arpeggio for the end of a game and a brighter fanfare for a new high score.
// Usage: make_sounds <folder>
#include <cstdio>
#include <filesystem>
#include <string>
#include <system_error>
#include <vector>

#include "audio/Sound.h"
#include "tools/sounds/SoundSynth.h"

namespace {

using tavro::Sound;
using tavro::synth::kBell;
using tavro::synth::kSoft;
using tavro::synth::kTick;
using tavro::synth::Note;

// Equal-tempered pitches.
constexpr double kD4 = 293.66, kG4 = 392.00, kC5 = 523.25, kE5 = 659.26, kG5 = 783.99,
                 kC6 = 1046.50, kE6 = 1318.51, kG6 = 1567.98, kB6 = 1975.53, kC7 = 2093.00;

std::vector<Note> NotesOf(Sound sound) {
    switch (sound) {
        case Sound::Turn:
            return {{kG6, 0.0, 0.05, 1.0, &kTick}};
        case Sound::Match:
            return {{kE6, 0.0, 0.12, 0.8, &kBell}, {kB6, 0.09, 0.3, 1.0, &kBell}};
        case Sound::Miss:
            return {{kG4, 0.0, 0.15, 1.0, &kSoft}, {kD4, 0.13, 0.22, 1.0, &kSoft}};
        case Sound::Hint:
            return {{kC6, 0.0, 0.1, 0.7, &kSoft},
                    {kE6, 0.06, 0.1, 0.7, &kSoft},
                    {kG6, 0.12, 0.16, 0.8, &kSoft}};
        case Sound::GameEnd:
            return {{kC5, 0.0, 0.14, 0.9, &kBell},
                    {kE5, 0.11, 0.14, 0.9, &kBell},
                    {kG5, 0.22, 0.14, 0.9, &kBell},
                    {kC6, 0.33, 0.45, 1.0, &kBell}};
        case Sound::HighScore:
            return {{kC5, 0.0, 0.15, 0.8, &kBell}, {kE5, 0.1, 0.15, 0.8, &kBell},
                    {kG5, 0.2, 0.15, 0.8, &kBell}, {kC6, 0.3, 0.15, 0.9, &kBell},
                    {kE6, 0.42, 0.7, 0.7, &kBell}, {kG6, 0.42, 0.7, 0.6, &kBell},
                    {kC7, 0.42, 0.7, 0.5, &kBell}};
    }
    return {};
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: make_sounds <folder>\n");
        return 2;
    }
    const std::filesystem::path folder = argv[1];
    std::error_code error;
    std::filesystem::create_directories(folder, error);
    if (error) {
        std::fprintf(stderr, "make_sounds: can't make %s: %s\n", argv[1], error.message().c_str());
        return 1;
    }
    for (std::size_t i = 0; i < tavro::kSoundCount; ++i) {
        const auto sound = static_cast<Sound>(i);
        const std::string path = (folder / tavro::SoundFileName(sound)).string();
        if (!tavro::synth::WriteWave(path, tavro::synth::Mix(NotesOf(sound), 0.8))) {
            std::fprintf(stderr, "make_sounds: can't write %s\n", path.c_str());
            return 1;
        }
    }
    return 0;
}
