#pragma once

#include <QPainter>
#include <QPointF>

#include <vector>

namespace artgen {

// One pose of the yellow long-tailed creature, facing right in its 96 x 78 frame.
struct CreaturePose {
    double stride = 0.0;  // position in the walk cycle, 0..1 is one full cycle of both legs
    bool walking = false; // standing poses keep the legs together
    bool eyesClosed = false;
};

// Draws the creature facing right: the body stands around x 68 of the frame so that its mirror
// image shifted 40 pixels to the right lands on the same place, the curly tail fills the left
// half and the feet stand on the bottom rows of the frame.
class CreaturePainter {
  public:
    void paint(QPainter& p, const CreaturePose& pose) const;
    // Just the head, for the window icon, in the same frame coordinates.
    void paintHead(QPainter& p, double bob, bool eyesClosed) const;

  private:
    struct Limb {
        QPointF root;
        QPointF end;
    };

    void paintTail(QPainter& p, double sway, double bob) const;
    void paintLeg(QPainter& p, const Limb& leg, bool far) const;
    void paintArm(QPainter& p, const Limb& arm, bool far) const;
    void paintBody(QPainter& p, double bob) const;
    static std::vector<QPointF> tailSpine(double sway, double bob);
};

} // namespace artgen
