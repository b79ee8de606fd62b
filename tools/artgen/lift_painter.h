#pragma once

#include <QColor>
#include <QPainter>

namespace artgen {

// The propeller lift of each scheme (118 x 83, three frames of the turning propeller under the
// cabin) and the two vines it hangs from in the forest. The rider's feet stand on the deck,
// whose top lies as far below the cell's top as the game draws the picture above the lift's y.
class LiftPainter {
  public:
    void paintLift(QPainter& p, int scheme, int frame) const;
    void paintBackRope(QPainter& p) const;
    void paintFrontRope(QPainter& p) const;

  private:
    struct Style {
        QColor deck;
        QColor cabin;
        QColor trim;
        QColor blades[3];
    };

    void paintCabin(QPainter& p, int scheme, const Style& style, double deckTop) const;
    void paintPropeller(QPainter& p, int scheme, const Style& style, QPointF hub,
                        double turnDegrees) const;
    void paintVine(QPainter& p, double x, double top, double bottom, double phase,
                   bool shaded) const;
};

} // namespace artgen
