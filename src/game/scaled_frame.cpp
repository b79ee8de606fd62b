#include "scaled_frame.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstring>

namespace vorlin {

namespace {

// The first screen position whose source position is at least `source`: the screen position s
// shows the source position floor(s * sourceSize / screenSize).
int firstScreenPosition(int source, int sourceSize, int screenSize) {
    const auto numerator = static_cast<std::int64_t>(source) * screenSize + sourceSize - 1;
    return static_cast<int>(numerator / sourceSize);
}

void mapPositions(std::vector<int>& map, int screenSize, int sourceSize) {
    map.resize(static_cast<std::size_t>(std::max(screenSize, 0)));
    for (int s = 0; s < screenSize; ++s)
        map[static_cast<std::size_t>(s)] =
            static_cast<int>(static_cast<std::int64_t>(s) * sourceSize / screenSize);
}

} // namespace

PixelRect fittedArea(int areaWidth, int areaHeight, int pictureWidth, int pictureHeight) {
    if (areaWidth <= 0 || areaHeight <= 0 || pictureWidth <= 0 || pictureHeight <= 0) return {};
    double scale = std::min(areaWidth / static_cast<double>(pictureWidth),
                            areaHeight / static_cast<double>(pictureHeight));
    const double whole = std::floor(scale);
    if (whole >= 1 && scale - whole < kWholeFactorSnap * whole) scale = whole;
    const int width = std::min(areaWidth, static_cast<int>(std::lround(pictureWidth * scale)));
    const int height = std::min(areaHeight, static_cast<int>(std::lround(pictureHeight * scale)));
    return {(areaWidth - width) / 2, (areaHeight - height) / 2, width, height};
}

void ScaledFrame::resize(int width, int height) {
    if (sized(width, height)) return;
    scaled_ = Picture(std::max(width, 0), std::max(height, 0));
    sourceWidth_ = sourceHeight_ = 0;
}

PixelRect ScaledFrame::screenArea(int sourceWidth, int sourceHeight, const PixelRect& area) const {
    if (sourceWidth <= 0 || sourceHeight <= 0) return {};
    const int left = firstScreenPosition(area.x, sourceWidth, scaled_.width);
    const int top = firstScreenPosition(area.y, sourceHeight, scaled_.height);
    const int right = firstScreenPosition(area.right(), sourceWidth, scaled_.width);
    const int bottom = firstScreenPosition(area.bottom(), sourceHeight, scaled_.height);
    return {left, top, right - left, bottom - top};
}

void ScaledFrame::update(const Picture& source, const PixelRect& area) {
    if (scaled_.empty() || source.empty()) return;
    if (source.width != sourceWidth_ || source.height != sourceHeight_) {
        sourceWidth_ = source.width;
        sourceHeight_ = source.height;
        mapPositions(sourceColumn_, scaled_.width, source.width);
        mapPositions(sourceRow_, scaled_.height, source.height);
    }
    const int left = std::clamp(area.x, 0, source.width);
    const int top = std::clamp(area.y, 0, source.height);
    const PixelRect clipped{left, top, std::clamp(area.right(), left, source.width) - left,
                            std::clamp(area.bottom(), top, source.height) - top};
    const PixelRect screen = screenArea(source.width, source.height, clipped);
    if (screen.empty()) return;
    const std::size_t rowBytes = static_cast<std::size_t>(screen.width) * sizeof(std::uint32_t);
    for (int y = screen.y; y < screen.bottom(); ++y) {
        std::uint32_t* out = scaled_.row(y) + screen.x;
        // A screen row that shows the same frame row as the one above is a copy of it.
        if (y > screen.y && sourceRow_[y] == sourceRow_[y - 1]) {
            std::memcpy(out, scaled_.row(y - 1) + screen.x, rowBytes);
            continue;
        }
        const std::uint32_t* in = source.row(sourceRow_[y]);
        // At the frame's own width every screen column shows the frame column of its number.
        if (scaled_.width == source.width) {
            std::memcpy(out, in + screen.x, rowBytes);
            continue;
        }
        const int* column = sourceColumn_.data() + screen.x;
        for (int x = 0; x < screen.width; ++x)
            out[x] = in[column[x]];
    }
}

} // namespace vorlin
