#include "picture_loader.h"

#include <QImageReader>

#include <cstring>

namespace vorlin {

Picture toPicture(const QImage& image) {
    const QImage rgb = image.convertToFormat(QImage::Format_RGB32);
    Picture picture(rgb.width(), rgb.height());
    for (int y = 0; y < rgb.height(); ++y)
        std::memcpy(picture.row(y), rgb.constScanLine(y),
                    static_cast<std::size_t>(rgb.width()) * 4);
    return picture;
}

LoadedPicture loadPicture(const std::filesystem::path& path) {
    const QString name = QString::fromStdString(path.string());
    QImageReader reader(name);
    reader.setDecideFormatFromContent(true);
    const QImage image = reader.read();
    if (image.isNull()) {
        const bool missing = reader.error() == QImageReader::FileNotFoundError;
        return {std::nullopt, missing ? QStringLiteral("File non trovato: %1").arg(name)
                                      : QStringLiteral("Immagine non valida: %1").arg(name)};
    }
    return {toPicture(image), {}};
}

QImage asImage(const Picture& picture) {
    return QImage(reinterpret_cast<const uchar*>(picture.pixels.data()), picture.width,
                  picture.height, picture.width * 4, QImage::Format_RGB32);
}

} // namespace vorlin
