#pragma once

#include "masked_draw.h"
#include "picture.h"
#include "sprite_runs.h"

#include <memory>
#include <utility>
#include <vector>

namespace vorlin {

// The game's persistent picture: a frame, the background it is cleared to, and the masked draws
// into it. A clear puts the background back only where something was drawn since the previous
// clear, which leaves the frame exactly as a full copy of the background would.
class FrameCanvas {
  public:
    FrameCanvas(int width, int height);

    const Picture& frame() const { return frame_; }
    const Picture& background() const { return background_; }
    // The next clear copies the whole of the new background.
    void setBackground(const Picture& picture);

    // Clears the frame to the background; the part the background does not cover is left as it
    // was.
    void clear();

    // Reads the runs of a sprite sheet now, so that no later draw has to.
    void prepareSheet(const SpritePair& sheet) { runsOf(sheet); }
    // How many sheets have their runs read.
    std::size_t preparedSheets() const { return sheetRuns_.size(); }
    // Masked draw from a sprite sheet that stays the same until forgetSheets(): its runs are
    // those read by prepareSheet(), or read at its first draw when it was not prepared.
    void drawSheet(const SpritePair& sheet, int sx, int sy, int w, int h, int dx, int dy);
    // Masked draw from a picture that may change between draws (the pause sign).
    void drawPicture(const SpritePair& picture, int sx, int sy, int w, int h, int dx, int dy);
    // The sheets may have been replaced: read them afresh, and clear the whole frame next time.
    void forgetSheets();

    // What was written into the frame since the last call (restored or drawn), and forgets it:
    // a display refresh compares only those parts with what it showed.
    FrameWrites takeWrites();

  private:
    // A rectangle drawn since the last clear; without runs the whole rectangle is restored.
    struct DrawnArea {
        ClippedDraw where;
        const SpriteRuns* runs;
    };
    // Beyond this many draws between two clears the next clear copies the whole background.
    static constexpr std::size_t kMaxRememberedDraws = 64;
    // Beyond this many written areas between two refreshes the whole frame counts as written.
    static constexpr std::size_t kMaxListedWrites = 1024;

    const SpriteRuns& runsOf(const SpritePair& sheet);
    void remember(const ClippedDraw& where, const SpriteRuns* runs);
    void noteWritten(const ClippedDraw& where);

    Picture frame_;
    Picture background_;
    std::vector<std::pair<const SpritePair*, std::unique_ptr<SpriteRuns>>> sheetRuns_;
    std::vector<DrawnArea> drawnSinceClear_;
    bool wholeFrameStale_ = true;
    FrameWrites writes_;
};

} // namespace vorlin
