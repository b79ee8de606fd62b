#include "wave_check.h"

#include <QFile>
#include <QFileInfo>
#include <QtEndian>

namespace vorlin {

namespace {

constexpr qint64 kRiffHeaderBytes = 12; // "RIFF", the size of what follows, "WAVE"
constexpr qint64 kChunkHeaderBytes = 8; // four letters and the size of the chunk's content
constexpr qint64 kPcmFormatBytes = 16;
constexpr quint16 kPcm = 1;
constexpr quint16 kMaxChannels = 2;
constexpr quint32 kLowestRate = 4000;
constexpr quint32 kHighestRate = 96000;

// Reads the format chunk's content into LAYOUT; true if it is one the player can play.
bool readPlayableFormat(const QByteArray& content, WaveLayout& layout) {
    if (content.size() < kPcmFormatBytes) return false;
    const char* bytes = content.constData();
    const auto tag = qFromLittleEndian<quint16>(bytes);
    layout.channels = qFromLittleEndian<quint16>(bytes + 2);
    layout.sampleRate = qFromLittleEndian<quint32>(bytes + 4);
    layout.blockAlign = qFromLittleEndian<quint16>(bytes + 12);
    layout.bitsPerSample = qFromLittleEndian<quint16>(bytes + 14);
    return tag == kPcm && layout.channels >= 1 && layout.channels <= kMaxChannels &&
           (layout.bitsPerSample == 8 || layout.bitsPerSample == 16) &&
           layout.sampleRate >= kLowestRate && layout.sampleRate <= kHighestRate &&
           layout.blockAlign == layout.channels * layout.bitsPerSample / 8;
}

} // namespace

std::optional<WaveLayout> openPlayableWave(QFile& file) {
    // A pipe would block the game, a device never ends.
    if (!QFileInfo(file.fileName()).isFile()) return std::nullopt;
    if (!file.open(QIODevice::ReadOnly)) return std::nullopt;
    const qint64 fileSize = file.size();
    const QByteArray riff = file.read(kRiffHeaderBytes);
    if (riff.size() < kRiffHeaderBytes || !riff.startsWith("RIFF") || riff.mid(8, 4) != "WAVE")
        return std::nullopt;
    const qint64 riffEnd = kChunkHeaderBytes + qFromLittleEndian<quint32>(riff.constData() + 4);
    if (riffEnd > fileSize) return std::nullopt;

    WaveLayout layout;
    bool formatSeen = false;
    for (qint64 at = kRiffHeaderBytes; at + kChunkHeaderBytes <= riffEnd;) {
        if (!file.seek(at)) return std::nullopt;
        const QByteArray header = file.read(kChunkHeaderBytes);
        if (header.size() < kChunkHeaderBytes) return std::nullopt;
        const qint64 size = qFromLittleEndian<quint32>(header.constData() + 4);
        const qint64 end = at + kChunkHeaderBytes + size;
        if (end > riffEnd) return std::nullopt;
        const QByteArray id = header.left(4);
        if (id == "fmt ") {
            if (formatSeen || size < kPcmFormatBytes ||
                !readPlayableFormat(file.read(kPcmFormatBytes), layout))
                return std::nullopt;
            formatSeen = true;
        } else if (id == "data") {
            // The samples come after their format, and there is at least one whole sample.
            if (!formatSeen || size < layout.blockAlign) return std::nullopt;
            layout.dataOffset = at + kChunkHeaderBytes;
            layout.dataBytes = size;
            return layout;
        }
        at = end + (size & 1); // a chunk of odd size is followed by a pad byte
    }
    return std::nullopt;
}

} // namespace vorlin
