#pragma once

#include "masked_draw.h"
#include "picture.h"

#include <span>
#include <vector>

namespace vorlin {

class SpriteRuns;

// One masked draw that made a frame: the sheet, its runs and the clipped rectangle. A draw
// without a sheet is one from a picture that may change between draws: it is never taken for
// another draw of the same place.
struct SheetDraw {
    const SpritePair* sheet = nullptr;
    const SpriteRuns* runs = nullptr;
    ClippedDraw where;

    bool sameAs(const SheetDraw& other) const {
        return sheet && sheet == other.sheet && where == other.where;
    }
};

// Where two frames drawn over the same background may differ: the rectangles of the draws that
// only one of the two lists makes. Outside them every pixel is covered by the same draws in the
// same order in both frames, so it is the same. The draws common to both are paired in order,
// as many as can be; overlapping rectangles are joined where that costs no more pixels.
std::vector<PixelRect> changedAreas(std::span<const SheetDraw> before,
                                    std::span<const SheetDraw> after);

} // namespace vorlin
