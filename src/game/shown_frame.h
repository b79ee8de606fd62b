#pragma once

#include "picture.h"

#include <vector>

namespace vorlin {

// The frame as the window last showed it. At each display refresh the newest frame is compared
// with it, and only the parts that changed are taken over and shown again: a tick that moved
// a few objects costs a few small rectangles, a scrolled view the whole field. Each part is cut
// down to the pixels that changed in it, since every pixel shown is sent to the display.
class ShownFrame {
  public:
    // The frame is compared in tiles of this size; the field's 460 rows are a whole number of
    // tiles, so a change in the field never reaches the status row below it.
    static constexpr int kTileWidth = 32;
    static constexpr int kTileHeight = 10;

    // Takes over what differs between the frame and the shown one, and returns the changed parts:
    // each run of changed tiles in a row of tiles, extended downwards by the same run in the rows
    // below, then cut down to the smallest rectangle holding the pixels that differ in it. Only
    // the tiles that meet the written areas are compared (all of them when those are not
    // known). The first call, or one after a change of size, returns the whole frame.
    std::vector<PixelRect> takeChanges(const Picture& frame, const FrameWrites& written = {});

    const Picture& picture() const { return shown_; }

  private:
    Picture shown_;
};

} // namespace vorlin
