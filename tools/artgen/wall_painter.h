#pragma once

#include <QPainter>

namespace artgen {

// The wall that splits the ground in two, 59 x 80 for each scheme: a tower of toy blocks, a
// tree stump, a beating heart on its vessel, a stack of macarons, a brick pillar with a lamp,
// a column of bubbles.
class WallPainter {
  public:
    void paint(QPainter& p, int scheme) const;

  private:
    void blockTower(QPainter& p) const;
    void treeStump(QPainter& p) const;
    void heartOnVessel(QPainter& p) const;
    void macaronStack(QPainter& p) const;
    void brickPillar(QPainter& p) const;
    void bubbleColumn(QPainter& p) const;
};

} // namespace artgen
