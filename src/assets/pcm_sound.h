#pragma once

#include <QAudioFormat>
#include <QByteArray>

#include <optional>

class QString;

namespace vorlin {

// A sound ready for the audio output: its samples in memory, laid out as its format says
// (8-bit unsigned or 16-bit signed, one or two channels, interleaved).
class PcmSound {
  public:
    // The samples of the WAVE file at PATH, or nothing when it is not a playable WAVE or cannot
    // be read. A sound longer than kLongestSeconds is cut there, so that a huge file cannot
    // take the game's memory.
    static std::optional<PcmSound> load(const QString& path);
    // The built-in default sound: a short two-tone beep.
    static PcmSound beep();

    static constexpr int kLongestSeconds = 60;

    const QAudioFormat& format() const { return format_; }
    const QByteArray& samples() const { return samples_; }
    qint64 durationMicroseconds() const { return format_.durationForBytes(samples_.size()); }

  private:
    PcmSound(const QAudioFormat& format, QByteArray samples);

    QAudioFormat format_;
    QByteArray samples_;
};

} // namespace vorlin
