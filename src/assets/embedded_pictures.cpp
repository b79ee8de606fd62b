#include "embedded_pictures.h"

#include "picture_loader.h"

#include <QDir>

namespace vorlin {

SpritePair embeddedCharacterSheet() {
    return {toPicture(QImage(QStringLiteral(":/embedded/VorlinN.bmp"))),
            toPicture(QImage(QStringLiteral(":/embedded/VorlinS.bmp")))};
}

QImage embeddedRecordPanelPicture() {
    return QImage(QStringLiteral(":/embedded/Image2.bmp"));
}

QImage embeddedAuthorPicture() {
    return QImage(QStringLiteral(":/embedded/Image1.bmp"));
}

QIcon embeddedWindowIcon() {
    QIcon icon;
    const QDir sizes(QStringLiteral(":/embedded/icons"));
    for (const QString& file : sizes.entryList(QDir::Files))
        icon.addFile(sizes.filePath(file));
    return icon;
}

} // namespace vorlin
