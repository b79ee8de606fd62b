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

struct PcmFormat {
    quint16 channels = 0;
    quint16 bitsPerSample = 0;
    quint16 blockAlign = 0;
};

// The format chunk's content, if it is one the player can play.
bool readPlayableFormat(const QByteArray& content, PcmFormat& format) {
    if (content.size() < kPcmFormatBytes) return false;
    const char* bytes = content.constData();
    const auto tag = qFromLittleEndian<quint16>(bytes);
    format.channels = qFromLittleEndian<quint16>(bytes + 2);
    const auto rate = qFromLittleEndian<quint32>(bytes + 4);
    format.blockAlign = qFromLittleEndian<quint16>(bytes + 12);
    format.bitsPerSample = qFromLittleEndian<quint16>(bytes + 14);
    return tag == kPcm && format.channels >= 1 && format.channels <= kMaxChannels &&
           (format.bitsPerSample == 8 || format.bitsPerSample == 16) && rate >= kLowestRate &&
           rate <= kHighestRate && format.blockAlign == format.channels * format.bitsPerSample / 8;
}

} // namespace

bool isPlayableWave(const QString& path) {
    const QFileInfo info(path);
    if (!info.isFile()) return false; // a pipe would block the game, a device never ends
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return false;
    const qint64 fileSize = file.size();
    const QByteArray riff = file.read(kRiffHeaderBytes);
    if (riff.size() < kRiffHeaderBytes || !riff.startsWith("RIFF") || riff.mid(8, 4) != "WAVE")
        return false;
    const qint64 riffEnd = kChunkHeaderBytes + qFromLittleEndian<quint32>(riff.constData() + 4);
    if (riffEnd > fileSize) return false;

    PcmFormat format;
    bool formatSeen = false;
    for (qint64 at = kRiffHeaderBytes; at + kChunkHeaderBytes <= riffEnd;) {
        if (!file.seek(at)) return false;
        const QByteArray header = file.read(kChunkHeaderBytes);
        if (header.size() < kChunkHeaderBytes) return false;
        const qint64 size = qFromLittleEndian<quint32>(header.constData() + 4);
        const qint64 end = at + kChunkHeaderBytes + size;
        if (end > riffEnd) return false;
        const QByteArray id = header.left(4);
        if (id == "fmt ") {
            if (formatSeen || size < kPcmFormatBytes ||
                !readPlayableFormat(file.read(kPcmFormatBytes), format))
                return false;
            formatSeen = true;
        } else if (id == "data") {
            // The samples come after their format, and there is at least one whole sample.
            return formatSeen && size >= format.blockAlign;
        }
        at = end + (size & 1); // a chunk of odd size is followed by a pad byte
    }
    return false;
}

} // namespace vorlin
