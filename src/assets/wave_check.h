#pragma once

#include <QtGlobal>

#include <optional>

class QFile;

namespace vorlin {

// Where the samples of a playable WAVE lie and how they are laid out.
struct WaveLayout {
    quint16 channels = 0;
    quint16 bitsPerSample = 0;
    quint32 sampleRate = 0;
    quint16 blockAlign = 0; // bytes of one sample of every channel
    qint64 dataOffset = 0;  // where the samples begin in the file
    qint64 dataBytes = 0;   // the size of the data chunk, at least one whole block
};

// Opens FILE (not yet open) for reading and walks its chunks: the layout of its samples when it
// is a whole RIFF WAVE the sound player can play, that is a regular file whose chunks all lie
// inside it, an uncompressed PCM format of one or two channels, 8 or 16 bits and a sample rate of
// real sounds, followed by at least one whole sample. Reads only the chunk headers; never blocks
// on a pipe or a device.
std::optional<WaveLayout> openPlayableWave(QFile& file);

} // namespace vorlin
