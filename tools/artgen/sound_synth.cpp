#include "sound_synth.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <numbers>

namespace artgen {

namespace {

constexpr double kTwoPi = 2.0 * std::numbers::pi;
constexpr double kPeak = 0.89;
constexpr double kFadeInSeconds = 0.004;
constexpr double kFadeOutSeconds = 0.025;
constexpr int kBitsPerSample = 16;
constexpr double kFullScale = 32767.0;

// Equal-tempered note frequencies used by the tunes.
constexpr double kG4 = 392.00;
constexpr double kC5 = 523.25;
constexpr double kE5 = 659.26;
constexpr double kG5 = 783.99;
constexpr double kC6 = 1046.50;
constexpr double kE6 = 1318.51;
constexpr double kB6 = 1975.53;

std::size_t samplesFor(double seconds) {
    return static_cast<std::size_t>(seconds * SoundSynth::kSampleRate);
}

void appendLittleEndian(std::string& bytes, std::uint32_t value, int size) {
    for (int i = 0; i < size; ++i)
        bytes.push_back(static_cast<char>((value >> (8 * i)) & 0xFF));
}

} // namespace

void SoundSynth::addNote(std::vector<double>& sound, double start, double length, double frequency,
                         double endFrequency, double attack, double decay,
                         std::initializer_list<Partial> partials) {
    const std::size_t first = samplesFor(start);
    const std::size_t count = samplesFor(length);
    if (sound.size() < first + count) sound.resize(first + count, 0.0);
    double phase = 0.0;
    for (std::size_t i = 0; i < count; ++i) {
        const double t = double(i) / kSampleRate;
        const double progress = double(i) / double(count);
        // The pitch glides geometrically from the start to the end frequency.
        const double pitch = frequency * std::pow(endFrequency / frequency, progress);
        phase += kTwoPi * pitch / kSampleRate;
        const double envelope = std::min(1.0, t / attack) * std::exp(-t / decay);
        double value = 0.0;
        for (const Partial& partial : partials)
            value += partial.strength * std::sin(phase * partial.multiple);
        sound[first + i] += envelope * value;
    }
}

std::vector<double> SoundSynth::catchBlip() const {
    std::vector<double> sound;
    addNote(sound, 0.0, 0.07, 1200, 1900, 0.003, 0.05, {{1, 1.0}, {2, 0.25}, {3, 0.2}});
    addNote(sound, 0.06, 0.12, 2400, 2400, 0.003, 0.04, {{1, 0.8}, {2, 0.2}});
    return sound;
}

std::vector<double> SoundSynth::lossTone() const {
    std::vector<double> sound;
    addNote(sound, 0.0, 0.5, 720, 170, 0.01, 0.3, {{1, 1.0}, {3, 0.18}, {5, 0.06}});
    return sound;
}

std::vector<double> SoundSynth::chargeChord() const {
    std::vector<double> sound;
    const double notes[] = {kC5, kE5, kG5, kC6};
    for (int i = 0; i < 4; ++i)
        addNote(sound, i * 0.07, 0.72 - i * 0.07, notes[i], notes[i], 0.01, 0.35,
                {{1, 1.0}, {2, 0.3}, {3, 0.12}});
    return sound;
}

std::vector<double> SoundSynth::bananaChime() const {
    std::vector<double> sound;
    // Bell partials: the inharmonic overtones make it ring like a small chime.
    addNote(sound, 0.0, 0.6, kE6, kE6, 0.002, 0.22, {{1, 1.0}, {2.76, 0.4}, {5.4, 0.18}});
    addNote(sound, 0.14, 0.7, kB6, kB6, 0.002, 0.25, {{1, 0.8}, {2.76, 0.3}, {5.4, 0.12}});
    return sound;
}

std::vector<double> SoundSynth::schemeFanfare() const {
    std::vector<double> sound;
    // A brassy call: three short rising notes, then a long bright chord.
    const std::initializer_list<Partial> brass = {
        {1, 1.0}, {2, 0.55}, {3, 0.35}, {4, 0.2}, {5, 0.1}};
    const double calls[] = {kG4, kC5, kE5};
    for (int i = 0; i < 3; ++i)
        addNote(sound, i * 0.16, 0.15, calls[i], calls[i], 0.015, 0.4, brass);
    addNote(sound, 0.48, 0.2, kG5, kG5, 0.015, 0.5, brass);
    for (const double note : {kC5, kE5, kG5, kC6})
        addNote(sound, 0.72, 1.0, note, note, 0.02, 0.6, brass);
    return sound;
}

std::string SoundSynth::encodeWave(std::vector<double> sound) {
    const double loudest = std::max(
        1e-9, std::abs(*std::max_element(sound.begin(), sound.end(), [](double a, double b) {
            return std::abs(a) < std::abs(b);
        })));
    const std::size_t fadeIn = samplesFor(kFadeInSeconds);
    const std::size_t fadeOut = samplesFor(kFadeOutSeconds);
    const std::size_t count = sound.size();
    for (std::size_t i = 0; i < count; ++i) {
        double gain = kPeak / loudest;
        if (i < fadeIn) gain *= double(i) / double(fadeIn);
        if (i + fadeOut >= count) gain *= double(count - 1 - i) / double(fadeOut);
        sound[i] *= gain;
    }
    const auto dataBytes = static_cast<std::uint32_t>(count * 2);
    std::string bytes = "RIFF";
    appendLittleEndian(bytes, 36 + dataBytes, 4);
    bytes += "WAVEfmt ";
    appendLittleEndian(bytes, 16, 4); // size of the format chunk
    appendLittleEndian(bytes, 1, 2);  // PCM
    appendLittleEndian(bytes, 1, 2);  // mono
    appendLittleEndian(bytes, kSampleRate, 4);
    appendLittleEndian(bytes, kSampleRate * kBitsPerSample / 8, 4);
    appendLittleEndian(bytes, kBitsPerSample / 8, 2);
    appendLittleEndian(bytes, kBitsPerSample, 2);
    bytes += "data";
    appendLittleEndian(bytes, dataBytes, 4);
    for (const double value : sound) {
        const auto sample =
            static_cast<std::int16_t>(std::lround(std::clamp(value, -1.0, 1.0) * kFullScale));
        appendLittleEndian(bytes, static_cast<std::uint16_t>(sample), 2);
    }
    return bytes;
}

} // namespace artgen
