#pragma once

#include <QPainter>

namespace artgen {

class ArtRandom;

// The imagined scenes among the backgrounds: the circulation of the blood and the feelings,
// the land of sweets, and the ephemeral sky of bubbles and dissolving clouds.
class FancyScenePainter {
  public:
    void circulation(QPainter& p, ArtRandom& random) const;
    void sweets(QPainter& p, ArtRandom& random) const;
    void ephemeral(QPainter& p, ArtRandom& random) const;
};

} // namespace artgen
