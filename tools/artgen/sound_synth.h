#pragma once

#include <string>
#include <vector>

namespace artgen {

// Makes the five sounds of the game from sine partials and envelopes, and packs a sound into a
// WAVE file (16-bit PCM, mono). Every sound is normalised and faded in and out, so it starts
// and ends on silence without a click.
class SoundSynth {
  public:
    static constexpr int kSampleRate = 22050;

    std::vector<double> catchBlip() const;     // a small object is caught
    std::vector<double> lossTone() const;      // a small object reaches the bottom
    std::vector<double> chargeChord() const;   // a charge is caught, a game starts
    std::vector<double> bananaChime() const;   // a banana appears
    std::vector<double> schemeFanfare() const; // the scheme is passed

    // The bytes of a WAVE file holding the sound, normalised and faded.
    static std::string encodeWave(std::vector<double> sound);

  private:
    // Adds a note with the given partials (multiple of the frequency, strength) to `sound`.
    struct Partial {
        double multiple;
        double strength;
    };
    static void addNote(std::vector<double>& sound, double start, double length, double frequency,
                        double endFrequency, double attack, double decay,
                        std::initializer_list<Partial> partials);
};

} // namespace artgen
