#pragma once

#include "picture.h"

namespace vorlin {

// A masked draw after clipping: the source rectangle (sx, sy, w, h), the same in both pictures of
// the pair, and where its top-left corner lands in the frame (dx, dy). Nothing to draw when empty.
struct ClippedDraw {
    int sx = 0;
    int sy = 0;
    int w = 0;
    int h = 0;
    int dx = 0;
    int dy = 0;

    bool empty() const { return w <= 0 || h <= 0; }
    // The frame pixels the draw covers.
    PixelRect target() const { return {dx, dy, w, h}; }
    bool operator==(const ClippedDraw&) const = default;
};

// Clips the rectangle (sx, sy, w, h) of the pair, drawn at (dx, dy), to both source pictures and
// to a frame of frameWidth x frameHeight. A rectangle partly above or left of the sheet (a row
// of 0 selects one wholly above it) keeps only its part inside the sheet, at the matching place.
ClippedDraw clipMaskedDraw(int frameWidth, int frameHeight, const SpritePair& sprite, int sx,
                           int sy, int w, int h, int dx, int dy);

// The masked draw of every sprite: the rectangle (sx, sy, w, h) of the mask is combined into
// the frame at (dx, dy) with AND, then the same rectangle of the colour picture with OR.
// Whatever lies outside the frame or the pictures draws nothing. Returns what was drawn.
ClippedDraw drawMasked(Picture& frame, const SpritePair& sprite, int sx, int sy, int w, int h,
                       int dx, int dy);

// Copies the whole of the background into the frame from its top-left corner; the part of the
// frame that the background does not cover is left as it was.
void clearToBackground(Picture& frame, const Picture& background);

} // namespace vorlin
