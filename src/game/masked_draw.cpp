#include "masked_draw.h"

#include <algorithm>
#include <cstring>

namespace vorlin {

ClippedDraw clipMaskedDraw(int frameWidth, int frameHeight, const SpritePair& sprite, int sx,
                           int sy, int w, int h, int dx, int dy) {
    // Clip the source rectangle to both pictures, moving the destination with it.
    const int srcRight = std::min({sx + w, sprite.mask.width, sprite.colour.width});
    const int srcBottom = std::min({sy + h, sprite.mask.height, sprite.colour.height});
    if (sx < 0) {
        dx -= sx;
        sx = 0;
    }
    if (sy < 0) {
        dy -= sy;
        sy = 0;
    }
    w = srcRight - sx;
    h = srcBottom - sy;
    // Clip the destination to the frame.
    if (dx < 0) {
        sx -= dx;
        w += dx;
        dx = 0;
    }
    if (dy < 0) {
        sy -= dy;
        h += dy;
        dy = 0;
    }
    w = std::min(w, frameWidth - dx);
    h = std::min(h, frameHeight - dy);
    if (w <= 0 || h <= 0) return {};
    return {sx, sy, w, h, dx, dy};
}

ClippedDraw drawMasked(Picture& frame, const SpritePair& sprite, int sx, int sy, int w, int h,
                       int dx, int dy) {
    const ClippedDraw c = clipMaskedDraw(frame.width, frame.height, sprite, sx, sy, w, h, dx, dy);
    for (int y = 0; y < c.h; ++y) {
        std::uint32_t* __restrict out = frame.row(c.dy + y) + c.dx;
        const std::uint32_t* __restrict m = sprite.mask.row(c.sy + y) + c.sx;
        const std::uint32_t* __restrict p = sprite.colour.row(c.sy + y) + c.sx;
        for (int x = 0; x < c.w; ++x)
            out[x] = (out[x] & m[x]) | p[x];
    }
    return c;
}

void clearToBackground(Picture& frame, const Picture& background) {
    const int w = std::min(frame.width, background.width);
    const int h = std::min(frame.height, background.height);
    if (w <= 0) return;
    for (int y = 0; y < h; ++y)
        std::memcpy(frame.row(y), background.row(y), static_cast<std::size_t>(w) * 4);
}

} // namespace vorlin
