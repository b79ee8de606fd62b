#pragma once

#include <QImage>
#include <QPainter>

namespace artgen {

class ArtRandom;

// The six scheme backgrounds, 640 x 480. The real places are drawn here: the playroom, the
// forest and the hill city at dusk; the imagined ones come from FancyScenePainter. Each is
// kept softer and darker than the sprites that walk and fall over it.
class BackgroundPainter {
  public:
    QImage paint(int scheme) const;

  private:
    void playroom(QPainter& p, ArtRandom& random) const;
    void forest(QPainter& p, ArtRandom& random) const;
    void city(QPainter& p, ArtRandom& random) const;
};

} // namespace artgen
