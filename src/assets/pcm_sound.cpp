#include "pcm_sound.h"

#include "wave_check.h"

#include <QFile>
#include <QtEndian>

#include <algorithm>
#include <cmath>
#include <utility>

namespace vorlin {

namespace {

constexpr qint64 kMicrosecondsPerSecond = 1'000'000;

// The beep: 16-bit mono, a sixth of a second, the first half at 880 Hz, the second at 660 Hz.
constexpr int kBeepRate = 22050;
constexpr int kBeepFrames = kBeepRate / 6;
constexpr double kBeepHighTone = 880.0;
constexpr double kBeepLowTone = 660.0;
constexpr double kBeepAmplitude = 12000.0;

QAudioFormat formatOf(const WaveLayout& layout) {
    QAudioFormat format;
    format.setSampleRate(static_cast<int>(layout.sampleRate));
    format.setChannelCount(layout.channels);
    format.setSampleFormat(layout.bitsPerSample == 8 ? QAudioFormat::UInt8 : QAudioFormat::Int16);
    return format;
}

} // namespace

PcmSound::PcmSound(const QAudioFormat& format, QByteArray samples)
    : format_(format), samples_(std::move(samples)) {}

std::optional<PcmSound> PcmSound::load(const QString& path) {
    QFile file(path);
    const std::optional<WaveLayout> layout = openPlayableWave(file);
    if (!layout) return std::nullopt;
    const QAudioFormat format = formatOf(*layout);
    const qint64 longest = format.bytesForDuration(kLongestSeconds * kMicrosecondsPerSecond);
    if (!file.seek(layout->dataOffset)) return std::nullopt;
    QByteArray samples = file.read(std::min<qint64>(layout->dataBytes, longest));
    // Whole samples only: a file that shrank since its chunks were walked may end in the middle.
    samples.truncate(samples.size() - samples.size() % layout->blockAlign);
    if (samples.isEmpty()) return std::nullopt;
    // WAVE keeps its samples little-endian; the audio output wants them in the machine's order.
    if (format.sampleFormat() == QAudioFormat::Int16)
        qFromLittleEndian<qint16>(samples.constData(), samples.size() / 2, samples.data());
    return PcmSound(format, std::move(samples));
}

PcmSound PcmSound::beep() {
    QAudioFormat format;
    format.setSampleRate(kBeepRate);
    format.setChannelCount(1);
    format.setSampleFormat(QAudioFormat::Int16);
    QByteArray samples(kBeepFrames * static_cast<int>(sizeof(qint16)), '\0');
    auto* out = reinterpret_cast<qint16*>(samples.data());
    for (int i = 0; i < kBeepFrames; ++i) {
        const double t = static_cast<double>(i) / kBeepRate;
        const double frequency = i < kBeepFrames / 2 ? kBeepHighTone : kBeepLowTone;
        const double envelope = std::sin(M_PI * i / kBeepFrames); // no click at either end
        out[i] =
            static_cast<qint16>(kBeepAmplitude * envelope * std::sin(2 * M_PI * frequency * t));
    }
    return PcmSound(format, std::move(samples));
}


} // namespace vorlin
