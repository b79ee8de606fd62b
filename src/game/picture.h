#pragma once

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <vector>

namespace vorlin {

// A picture in the frame's pixel format: 32 bits a pixel, 0xAARRGGBB in memory order of the
// machine word (the layout of QImage::Format_RGB32, alpha always 0xFF in loaded pictures).
// Masks are pure black (0xFF000000) on pure white (0xFFFFFFFF).
struct Picture {
    int width = 0;
    int height = 0;
    std::vector<std::uint32_t> pixels;

    Picture() = default;
    Picture(int w, int h, std::uint32_t fill = 0xFF000000u)
        : width(w), height(h), pixels(static_cast<std::size_t>(w) * h, fill) {}

    bool empty() const { return width <= 0 || height <= 0; }
    std::uint32_t* row(int y) { return pixels.data() + static_cast<std::size_t>(y) * width; }
    const std::uint32_t* row(int y) const {
        return pixels.data() + static_cast<std::size_t>(y) * width;
    }
    std::uint32_t at(int x, int y) const { return row(y)[x]; }
};

// A rectangle of frame pixels.
struct PixelRect {
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;

    bool empty() const { return width <= 0 || height <= 0; }
    int right() const { return x + width; }
    int bottom() const { return y + height; }
    long long pixels() const { return static_cast<long long>(width) * height; }
    bool operator==(const PixelRect&) const = default;
};

// The common part of two rectangles, or an empty one.
inline PixelRect intersected(const PixelRect& a, const PixelRect& b) {
    const int left = std::max(a.x, b.x);
    const int top = std::max(a.y, b.y);
    const int right = std::min(a.right(), b.right());
    const int bottom = std::min(a.bottom(), b.bottom());
    if (right <= left || bottom <= top) return {};
    return {left, top, right - left, bottom - top};
}

// Copies an area of one picture into the same place of another of the same size.
inline void copyArea(Picture& to, const Picture& from, const PixelRect& area) {
    const std::size_t bytes = static_cast<std::size_t>(area.width) * sizeof(std::uint32_t);
    for (int row = area.y; row < area.bottom(); ++row)
        std::memcpy(to.row(row) + area.x, from.row(row) + area.x, bytes);
}

// The areas of a frame written since some moment, or the whole frame when they are not known
// one by one.
struct FrameWrites {
    bool wholeFrame = true;
    std::vector<PixelRect> areas;
};

// A sprite sheet: the mask and the colour picture of identical layout.
struct SpritePair {
    Picture mask;
    Picture colour;
};

inline bool samePictureSize(const SpritePair& pair) {
    return pair.mask.width == pair.colour.width && pair.mask.height == pair.colour.height;
}

} // namespace vorlin
