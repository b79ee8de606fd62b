#pragma once

#include "changed_areas.h"
#include "masked_draw.h"
#include "picture.h"
#include "sprite_runs.h"

#include <memory>
#include <utility>
#include <vector>

namespace vorlin {

// The game's persistent picture: a frame, the background it is cleared to, and the masked draws
// into it. The draws from the sheets after a clear are listed, and the frame is brought up to
// date when it is looked at: only where the new list differs from the list the frame was made
// of is the background put back and drawn over, which leaves the frame exactly as a full copy of
// the background and every draw would. A tick that moves a few sprites over still scenery
// costs those sprites; a tick nobody looks at before the next clear costs nothing.
class FrameCanvas {
  public:
    FrameCanvas(int width, int height);

    // The frame as the draws so far make it.
    const Picture& frame();
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
    // Masked draw from a picture that may change between draws (the pause sign), at once.
    void drawPicture(const SpritePair& picture, int sx, int sy, int w, int h, int dx, int dy);
    // The sheets may have been replaced: read them afresh, and clear the whole frame next time.
    void forgetSheets();

    // What was written into the frame since the last call (restored or drawn), and forgets it:
    // a display refresh compares only those parts with what it showed.
    FrameWrites takeWrites();

  private:
    // Beyond this many draws in one list the frame is brought up to date at once and drawn
    // into directly; beyond it again the next clear copies the whole background.
    static constexpr std::size_t kMaxListedDraws = 256;
    // Beyond this many written areas between two refreshes the whole frame counts as written.
    static constexpr std::size_t kMaxListedWrites = 1024;

    const SpriteRuns& runsOf(const SpritePair& sheet);
    bool backgroundCoversFrame() const;
    // Brings the frame up to date with the draws listed since the last clear.
    void drawListed();
    void redrawWhole();
    // Puts the background back in the area (within the part it covers) and draws every listed
    // draw that meets it, cut to it.
    void redrawWithin(const PixelRect& area, bool restoreBackground);
    // A draw straight into the frame, with no clear pending.
    void drawNow(const SheetDraw& draw);
    void noteWritten(const PixelRect& area);

    Picture frame_;
    Picture background_;
    std::vector<std::pair<const SpritePair*, std::unique_ptr<SpriteRuns>>> sheetRuns_;
    // The draws the frame is made of, over the background, since its last clear.
    std::vector<SheetDraw> drawn_;
    // The draws since the last clear, while the frame does not show them yet.
    std::vector<SheetDraw> listed_;
    bool cleared_ = false;
    bool wholeFrameStale_ = true;
    FrameWrites writes_;
};

} // namespace vorlin
