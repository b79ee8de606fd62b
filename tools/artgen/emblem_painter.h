#pragma once

#include <QImage>

namespace artgen {

class BackgroundPainter;

// The pictures stored with the program and the darkness of the scheme transitions: the author
// panel's picture, the record panel's strip, the window icon and the starry night.
class EmblemPainter {
  public:
    QImage authorPicture(const BackgroundPainter& backgrounds) const;
    QImage recordPanelStrip() const;
    QImage windowIcon() const;
    // Dark everywhere: the game lays it over the field as mask and colour at once.
    QImage darkness() const;
};

} // namespace artgen
