#pragma once

#include <QString>

namespace vorlin {

// True when the file is a whole RIFF WAVE the sound player can play: a regular file whose
// chunks all lie inside it, an uncompressed PCM format of one or two channels, 8 or 16 bits and
// a sample rate of real sounds, followed by at least one whole sample. Reads only the chunk
// headers; never blocks on a pipe or a device.
bool isPlayableWave(const QString& path);

} // namespace vorlin
