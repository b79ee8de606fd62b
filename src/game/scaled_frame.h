#pragma once

#include "picture.h"
#include "shown_frame.h"

#include <vector>

namespace vorlin {

// Where a picture is shown inside an area: the largest size that fits with the picture's shape
// kept, centred. A size just above a whole-number factor (less than kWholeFactorSnap of it
// beyond) is brought down to that factor, so that every picture pixel becomes an equal block.
inline constexpr double kWholeFactorSnap = 0.1;
PixelRect fittedArea(int areaWidth, int areaHeight, int pictureWidth, int pictureHeight);

// The shown frame at the size the screen shows it, scaled by nearest neighbour so that the art
// stays sharp: every screen pixel takes the colour of the one frame pixel it falls in, and at a
// whole-number factor every frame pixel becomes an equal square block.
class ScaledFrame {
  public:
    // The screen size the frame is shown at; a new size starts from an empty picture, which the
    // caller fills with update() over the whole frame.
    void resize(int width, int height);
    bool sized(int width, int height) const {
        return scaled_.width == width && scaled_.height == height;
    }

    // Scales the area of the source frame into the screen pixels that show it.
    void update(const Picture& source, const PixelRect& area);
    // The screen pixels that show an area of a frame of the given size.
    PixelRect screenArea(int sourceWidth, int sourceHeight, const PixelRect& area) const;

    const Picture& picture() const { return scaled_; }

  private:
    // For each screen column and row, the frame column and row it shows.
    std::vector<int> sourceColumn_;
    std::vector<int> sourceRow_;
    int sourceWidth_ = 0;
    int sourceHeight_ = 0;
    Picture scaled_;
};

} // namespace vorlin
