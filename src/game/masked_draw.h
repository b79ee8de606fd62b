#pragma once

#include "picture.h"

namespace vorlin {

// The masked draw of every sprite: the rectangle (sx, sy, w, h) of the mask is combined into
// the frame at (dx, dy) with AND, then the same rectangle of the colour picture with OR.
// The rectangle is clipped to the frame and to both source pictures; whatever lies outside
// draws nothing (a row of 0 selects a rectangle above the sheet and draws nothing).
void drawMasked(Picture& frame, const SpritePair& sprite, int sx, int sy, int w, int h, int dx,
                int dy);

// Copies the whole of the background into the frame from its top-left corner; the part of the
// frame that the background does not cover is left as it was.
void clearToBackground(Picture& frame, const Picture& background);

} // namespace vorlin
