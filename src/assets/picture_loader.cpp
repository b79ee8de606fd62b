#include "picture_loader.h"

#include <QCoreApplication>
#include <QFile>
#include <QImageReader>
#include <QtEndian>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <new>

#include <fcntl.h>
#include <unistd.h>

namespace vorlin {

namespace {

// No picture of the game is larger than the screen it is drawn on; anything beyond this is a
// damaged header, refused before memory is set aside for it.
constexpr int kLargestPictureSide = 2048;

// The parts of a Windows bitmap's headers that say how many bytes its rows take.
constexpr qint64 kFileHeaderBytes = 14;
constexpr qint64 kPixelOffsetAt = 10;
constexpr qint64 kInfoSizeAt = 14;
constexpr quint32 kCoreHeaderBytes = 12; // the oldest header: 16-bit width and height
constexpr qint64 kLongestHeaderBytes = kFileHeaderBytes + 124;
constexpr quint32 kUncompressed = 0;
constexpr quint32 kBitFields = 3;
constexpr quint32 kAlphaBitFields = 6;

// The size a Windows bitmap file must have to hold all the pixel rows its header announces;
// 0 when the header does not tell (a compressed bitmap that leaves its data size out).
qint64 bitmapBytesNeeded(const QByteArray& head) {
    if (head.size() < kFileHeaderBytes + 4) return 0;
    const char* bytes = head.constData();
    const qint64 pixelOffset = qFromLittleEndian<quint32>(bytes + kPixelOffsetAt);
    const quint32 infoSize = qFromLittleEndian<quint32>(bytes + kInfoSizeAt);
    const char* info = bytes + kFileHeaderBytes;
    qint64 width = 0;
    qint64 height = 0;
    qint64 bitsPerPixel = 0;
    quint32 compression = kUncompressed;
    qint64 dataSize = 0;
    if (infoSize == kCoreHeaderBytes && head.size() >= kFileHeaderBytes + kCoreHeaderBytes) {
        width = qFromLittleEndian<quint16>(info + 4);
        height = qFromLittleEndian<quint16>(info + 6);
        bitsPerPixel = qFromLittleEndian<quint16>(info + 10);
    } else if (infoSize > kCoreHeaderBytes && head.size() >= kFileHeaderBytes + 24) {
        width = std::abs(qFromLittleEndian<qint32>(info + 4));
        height = std::abs(qFromLittleEndian<qint32>(info + 8)); // negative: rows top down
        bitsPerPixel = qFromLittleEndian<quint16>(info + 14);
        compression = qFromLittleEndian<quint32>(info + 16);
        dataSize = qFromLittleEndian<quint32>(info + 20);
    } else {
        return 0;
    }
    const bool uncompressed =
        compression == kUncompressed || compression == kBitFields || compression == kAlphaBitFields;
    if (!uncompressed) return dataSize > 0 ? pixelOffset + dataSize : 0;
    // Every row is padded to a whole number of 32-bit words.
    const qint64 rowBytes = (width * bitsPerPixel + 31) / 32 * 4;
    return pixelOffset + rowBytes * height;
}

bool fitsTheGame(const QSize& size) {
    return size.isValid() && size.width() <= kLargestPictureSide &&
           size.height() <= kLargestPictureSide;
}

QString notValid(const QString& name) {
    return QCoreApplication::translate("Assets", "Immagine non valida: %1").arg(name);
}

QString lackOfMemory(const QString& name) {
    return QCoreApplication::translate("Assets",
                                       "Memoria insufficiente per caricare l'immagine: %1")
        .arg(name);
}

// Why the file cannot be opened for reading, in the player's words; empty when it can. What the
// system refuses (descriptors, memory) is told as such, never as a fault of the file.
QString openingProblem(const QString& name) {
    const QByteArray path = QFile::encodeName(name);
    const int fd = ::open(path.constData(), O_RDONLY | O_CLOEXEC);
    if (fd >= 0) {
        ::close(fd);
        return {};
    }
    switch (errno) {
    case ENOENT:
    case ENOTDIR:
        return QCoreApplication::translate("Assets", "File non trovato: %1").arg(name);
    case EACCES:
    case EPERM:
        return QCoreApplication::translate("Assets", "File non leggibile (permesso negato): %1")
            .arg(name);
    case EMFILE:
    case ENFILE:
        return QCoreApplication::translate(
                   "Assets", "Troppi file aperti: il sistema non concede al gioco un altro "
                             "descrittore di file per leggere %1")
            .arg(name);
    case ENOMEM:
        return lackOfMemory(name);
    default:
        return QCoreApplication::translate("Assets",
                                           "Impossibile leggere il file %1 (errore di sistema %2)")
            .arg(name, QString::number(errno));
    }
}

// Whether a picture of this size could not be decoded for want of memory: room for it and for
// its copy in the frame's format cannot be had now.
bool memoryShortFor(const QSize& size) {
    if (!size.isValid()) return false;
    try {
        const QImage decoded(size, QImage::Format_ARGB32);
        const QImage converted(size, QImage::Format_RGB32);
        return decoded.isNull() || converted.isNull();
    } catch (const std::bad_alloc&) {
        return true;
    }
}

// Why a picture file must not be decoded, read from its headers only; empty when it may be.
QString refusalBeforeDecoding(QImageReader& reader, const QString& name) {
    // A format that cannot tell its size beforehand is measured once decoded.
    // A bitmap stored top down announces a negative height.
    const QSize announced = reader.size();
    if (reader.supportsOption(QImageIOHandler::Size) &&
        !fitsTheGame({std::abs(announced.width()), std::abs(announced.height())}))
        return notValid(name);
    // Qt fills the rows missing from a cut bitmap with black; a cut picture is a damaged one.
    if (reader.format() == "bmp") {
        QFile file(name);
        if (!file.open(QIODevice::ReadOnly)) {
            const QString problem = openingProblem(name);
            return problem.isEmpty()
                       ? QCoreApplication::translate("Assets", "Impossibile leggere il file %1")
                             .arg(name)
                       : problem;
        }
        if (file.size() < bitmapBytesNeeded(file.read(kLongestHeaderBytes))) return notValid(name);
    }
    return {};
}

LoadedPicture readPictureFile(const QString& name) {
    if (QString problem = openingProblem(name); !problem.isEmpty()) return {std::nullopt, problem};
    QImageReader reader(name);
    reader.setDecideFormatFromContent(true);
    // The file could be opened a moment ago: it has gone since, or the system refuses now.
    if (!reader.canRead() && reader.error() == QImageReader::FileNotFoundError) {
        const QString problem = openingProblem(name);
        return {std::nullopt,
                problem.isEmpty()
                    ? QCoreApplication::translate("Assets", "File non trovato: %1").arg(name)
                    : problem};
    }
    if (QString refusal = refusalBeforeDecoding(reader, name); !refusal.isEmpty())
        return {std::nullopt, refusal};
    const QSize announced = reader.size();
    const QImage image = reader.read();
    if (image.isNull())
        return {std::nullopt, memoryShortFor(announced) ? lackOfMemory(name) : notValid(name)};
    if (!fitsTheGame(image.size())) return {std::nullopt, notValid(name)};
    return {toPicture(image), {}};
}

} // namespace

Picture toPicture(const QImage& image) {
    const QImage rgb = image.convertToFormat(QImage::Format_RGB32);
    // Qt answers a conversion it has no memory for with an empty image.
    if (rgb.isNull() && !image.isNull()) throw std::bad_alloc();
    Picture picture(rgb.width(), rgb.height());
    for (int y = 0; y < rgb.height(); ++y)
        std::memcpy(picture.row(y), rgb.constScanLine(y),
                    static_cast<std::size_t>(rgb.width()) * 4);
    return picture;
}

LoadedPicture loadPicture(const std::filesystem::path& path) {
    const QString name = QString::fromStdString(path.string());
    try {
        return readPictureFile(name);
    } catch (const std::bad_alloc&) {
        return {std::nullopt, lackOfMemory(name)};
    }
}

QImage asImage(const Picture& picture) {
    return QImage(reinterpret_cast<const uchar*>(picture.pixels.data()), picture.width,
                  picture.height, picture.width * 4, QImage::Format_RGB32);
}

} // namespace vorlin
