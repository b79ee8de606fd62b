#pragma once

#include <QPainter>

namespace artgen {

class ArtRandom;

// The three platforms of each scheme, one 720 x 30 strip: toy blocks, a mossy log, a blood
// vessel, an iced chocolate bar, a stone ledge with roof tiles, a strip of cloud.
class PlatformPainter {
  public:
    void paint(QPainter& p, int scheme) const;

  private:
    void toyBlocks(QPainter& p) const;
    void mossyLog(QPainter& p, ArtRandom& random) const;
    void vessel(QPainter& p) const;
    void chocolateBar(QPainter& p, ArtRandom& random) const;
    void stoneLedge(QPainter& p) const;
    void cloudStrip(QPainter& p, ArtRandom& random) const;
};

} // namespace artgen
