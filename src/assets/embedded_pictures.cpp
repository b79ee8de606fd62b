#include "embedded_pictures.h"

#include "picture_loader.h"

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

QImage embeddedWindowIcon() {
    return QImage(QStringLiteral(":/embedded/icon.png"));
}

} // namespace vorlin
