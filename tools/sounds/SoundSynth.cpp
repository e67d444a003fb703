// SPDX-License-Identifier: GPL-3.0-or-later
// The synthesiser of the game's sounds; see SoundSynth.h.
#include "tools/sounds/SoundSynth.h"

#include <algorithm>
#include <cmath>
#include <fstream>
#include <numbers>

namespace tavro::synth {
namespace {

constexpr double kAttackSeconds = 0.004;
constexpr double kReleaseSeconds = 0.012;

void AddNote(std::vector<double>& track, const Note& note) {
    const auto first = static_cast<std::size_t>(note.startSeconds * kSampleRate);
    const auto count = static_cast<std::size_t>(note.lengthSeconds * kSampleRate);
    if (track.size() < first + count) {
        track.resize(first + count, 0.0);
    }
    for (std::size_t i = 0; i < count; ++i) {
        const double t = static_cast<double>(i) / kSampleRate;
        const double left = note.lengthSeconds - t;
        double envelope = std::exp(-t / note.timbre->decaySeconds);
        envelope *= std::min({1.0, t / kAttackSeconds, left / kReleaseSeconds});
        double value = 0.0;
        for (std::size_t h = 0; h < note.timbre->harmonics.size(); ++h) {
            value += note.timbre->harmonics[h] *
                     std::sin(2.0 * std::numbers::pi * note.hertz * static_cast<double>(h + 1) * t);
        }
        track[first + i] += note.loudness * envelope * value;
    }
}

void PutLittleEndian(std::ofstream& out, std::uint32_t value, int bytes) {
    for (int i = 0; i < bytes; ++i) {
        out.put(static_cast<char>((value >> (8 * i)) & 0xFFu));
    }
}

}  // namespace

std::vector<std::int16_t> Mix(const std::vector<Note>& notes, double peak) {
    std::vector<double> track;
    for (const Note& note : notes) {
        AddNote(track, note);
    }
    double loudest = 0.0;
    for (const double value : track) {
        loudest = std::max(loudest, std::abs(value));
    }
    const double scale = loudest > 0.0 ? peak * 32767.0 / loudest : 0.0;
    std::vector<std::int16_t> samples(track.size());
    std::transform(track.begin(), track.end(), samples.begin(), [scale](double value) {
        return static_cast<std::int16_t>(std::lround(value * scale));
    });
    return samples;
}

bool WriteWave(const std::string& path, const std::vector<std::int16_t>& samples) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    const auto dataBytes = static_cast<std::uint32_t>(samples.size() * 2);
    out.write("RIFF", 4);
    PutLittleEndian(out, 36 + dataBytes, 4);
    out.write("WAVEfmt ", 8);
    PutLittleEndian(out, 16, 4);               // the format chunk's size
    PutLittleEndian(out, 1, 2);                // PCM
    PutLittleEndian(out, 1, 2);                // mono
    PutLittleEndian(out, kSampleRate, 4);      // frames a second
    PutLittleEndian(out, kSampleRate * 2, 4);  // bytes a second
    PutLittleEndian(out, 2, 2);                // bytes a frame
    PutLittleEndian(out, 16, 2);               // bits a sample
    out.write("data", 4);
    PutLittleEndian(out, dataBytes, 4);
    for (const std::int16_t sample : samples) {
        PutLittleEndian(out, static_cast<std::uint16_t>(sample), 2);
    }
    out.close();
    return static_cast<bool>(out);
}

}  // namespace tavro::synth
