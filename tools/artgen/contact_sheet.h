#pragma once

#include "art_catalogue.h"

#include <QImage>
#include <QString>

namespace artgen {

// One review picture of all the art: each scheme's field composed as the game composes it,
// then every sheet with its cells outlined and labelled, then the stored pictures.
class ContactSheet {
  public:
    explicit ContactSheet(const ArtCatalogue& art) : art_(art) {}

    QImage compose() const;

  private:
    QImage composeField(int scheme) const;
    void placeSheet(QPainter& p, QPoint& cursor, int& rowHeight, const QString& title,
                    const MaskedSheet& sheet, int scale) const;
    void placePicture(QPainter& p, QPoint& cursor, int& rowHeight, const QString& title,
                      const QImage& picture, int scale) const;

    const ArtCatalogue& art_;
};

} // namespace artgen
