// SPDX-License-Identifier: GPL-3.0-or-later
// A small additive synthesiser for the game's sounds: notes of a few harmonics under a quick
// attack and an exponential decay, mixed into one mono track, and written as a 16-bit PCM WAVE
// file. Everything is computed, nothing is sampled.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace tavro::synth {

inline constexpr int kSampleRate = 44100;

// How a note sounds: the strength of its harmonics (the first is the fundamental) and how fast
// it fades (the time in seconds in which it falls to about a third).
struct Timbre {
    std::vector<double> harmonics;
    double decaySeconds;
};
inline const Timbre kBell{{1.0, 0.0, 0.35, 0.0, 0.12}, 0.18};
inline const Timbre kSoft{{1.0, 0.2, 0.05}, 0.12};
inline const Timbre kTick{{1.0, 0.5, 0.25}, 0.015};

struct Note {
    double hertz;
    double startSeconds;
    double lengthSeconds;
    double loudness;  // 0..1
    const Timbre* timbre;
};

// The notes mixed, scaled so that the loudest sample reaches `peak` (0..1), with a short fade at
// the end so that the sound stops without a click.
std::vector<std::int16_t> Mix(const std::vector<Note>& notes, double peak);

// Writes the samples as a mono WAVE file; false when the file can't be written.
bool WriteWave(const std::string& path, const std::vector<std::int16_t>& samples);

}  // namespace tavro::synth
