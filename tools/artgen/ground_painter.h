#pragma once

#include <QPainter>

namespace artgen {

class ArtRandom;

// The ground strip of each scheme, 720 x 60: a playroom rug, grass over earth, living tissue,
// a layered cake, a cobbled street, a bank of cloud.
class GroundPainter {
  public:
    void paint(QPainter& p, int scheme) const;

  private:
    void rug(QPainter& p) const;
    void grassAndEarth(QPainter& p, ArtRandom& random) const;
    void tissue(QPainter& p, ArtRandom& random) const;
    void cake(QPainter& p, ArtRandom& random) const;
    void cobbles(QPainter& p, ArtRandom& random) const;
    void cloudBank(QPainter& p, ArtRandom& random) const;
};

} // namespace artgen
