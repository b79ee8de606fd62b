#pragma once

#include "masked_draw.h"
#include "picture.h"

#include <cstdint>
#include <span>
#include <vector>

namespace vorlin {

// Where each row of a sprite sheet changes the frame. A masked draw leaves the frame as it was
// wherever the mask is white and the colour black, and puts the colour in place of the frame
// wherever the mask is black; only the rest needs the full AND/OR. The sheet is read once and
// its rows are split into runs of the two kinds that change the frame: the clear stretches
// between them are skipped by the draw. Like every picture
// of the game the sheet is opaque (alpha 0xFF), and so is the frame it is drawn into.
class SpriteRuns {
  public:
    enum class Kind : std::uint8_t { Solid, Mixed };
    struct Run {
        int begin; // first source x of the run
        int end;   // one past its last source x
        Kind kind;
    };

    explicit SpriteRuns(const SpritePair& sheet);

    // The runs of source row y, left to right.
    std::span<const Run> row(int y) const;

    // The masked draw of an already clipped rectangle, run by run; the frame ends up exactly as
    // drawMasked leaves it.
    void draw(Picture& frame, const SpritePair& sheet, const ClippedDraw& where) const;

  private:
    // Calls visit(sourceRow, frameRow, sourceBegin, sourceEnd, frameX, kind) for every run of the
    // rectangle, cut to the rectangle's columns.
    template <typename Visit> void forEachRun(const ClippedDraw& where, Visit&& visit) const;

    std::vector<Run> runs_;
    std::vector<std::size_t> rowStart_; // runs of row y are [rowStart_[y], rowStart_[y + 1])
};

} // namespace vorlin
