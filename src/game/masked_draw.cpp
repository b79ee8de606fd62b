#include "masked_draw.h"

#include <algorithm>
#include <cstring>

namespace vorlin {

void drawMasked(Picture& frame, const SpritePair& sprite, int sx, int sy, int w, int h, int dx,
                int dy) {
    const Picture& mask = sprite.mask;
    const Picture& colour = sprite.colour;
    // Clip the source rectangle to both pictures, moving the destination with it.
    const int srcRight = std::min({sx + w, mask.width, colour.width});
    const int srcBottom = std::min({sy + h, mask.height, colour.height});
    if (sx < 0) { dx -= sx; sx = 0; }
    if (sy < 0) { dy -= sy; sy = 0; }
    w = srcRight - sx;
    h = srcBottom - sy;
    // Clip the destination to the frame.
    if (dx < 0) { sx -= dx; w += dx; dx = 0; }
    if (dy < 0) { sy -= dy; h += dy; dy = 0; }
    w = std::min(w, frame.width - dx);
    h = std::min(h, frame.height - dy);
    if (w <= 0 || h <= 0) return;

    for (int y = 0; y < h; ++y) {
        std::uint32_t* out = frame.row(dy + y) + dx;
        const std::uint32_t* m = mask.row(sy + y) + sx;
        const std::uint32_t* c = colour.row(sy + y) + sx;
        for (int x = 0; x < w; ++x) out[x] = (out[x] & m[x]) | c[x];
    }
}

void clearToBackground(Picture& frame, const Picture& background) {
    const int w = std::min(frame.width, background.width);
    const int h = std::min(frame.height, background.height);
    if (w <= 0) return;
    for (int y = 0; y < h; ++y)
        std::memcpy(frame.row(y), background.row(y), static_cast<std::size_t>(w) * 4);
}

} // namespace vorlin
