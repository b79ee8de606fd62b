#pragma once

#include <QColor>
#include <QPainter>

namespace artgen {

// The small things of the field: the falling crystal (eight frames of one turn, each scheme its
// own colour), the banana that is a charge, and the pause sign.
class ItemPainter {
  public:
    void paintCrystal(QPainter& p, int scheme, int frame) const;
    void paintBanana(QPainter& p, int scheme) const;
    // A banana alone, centred on `centre`, `length` pixels from tip to tip.
    void paintBananaShape(QPainter& p, QPointF centre, double length, double tiltDegrees) const;
    void paintPauseSign(QPainter& p, QSize size) const;

    static QColor schemeGemColour(int scheme);
};

} // namespace artgen
