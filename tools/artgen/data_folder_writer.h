#pragma once

#include "art_catalogue.h"

#include <QString>

namespace artgen {

// Writes the finished art to disk: the data folder the game reads at run time (pictures as
// 24-bit bitmaps under the .kpb names, sounds as WAVE under .kps, the record template) and
// the pictures built into the program, and the icons for the desktop. Each write reports an Italian
// message on failure.
class DataFolderWriter {
  public:
    explicit DataFolderWriter(const ArtCatalogue& art) : art_(art) {}

    // Empty on success, otherwise what went wrong.
    QString writeDataFolder(const QString& folder) const;
    QString writeEmbeddedFolder(const QString& folder) const;
    // The desktop icons, one PNG a size named after it: 16.png, 24.png and so on.
    static QString writeIconFolder(const QString& folder);

  private:
    QString writeBitmap(const QString& path, const QImage& picture) const;
    QString writePair(const QString& folder, const QString& maskName, const QString& colourName,
                      const MaskedSheet& sheet) const;
    static QString writePng(const QString& path, const QImage& picture);
    static QString writeBytes(const QString& path, const QByteArray& bytes);
    static QString ensureFolder(const QString& folder);

    const ArtCatalogue& art_;
};

} // namespace artgen
