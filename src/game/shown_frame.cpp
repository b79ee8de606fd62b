#include "shown_frame.h"

#include <algorithm>
#include <cstring>

namespace vorlin {

namespace {

// Whether any row of a tile differs between the two pictures.
bool tileChanged(const Picture& a, const Picture& b, int x, int y, int width, int height) {
    const std::size_t bytes = static_cast<std::size_t>(width) * sizeof(std::uint32_t);
    for (int row = y; row < y + height; ++row)
        if (std::memcmp(a.row(row) + x, b.row(row) + x, bytes) != 0) return true;
    return false;
}

// Which tiles the written areas meet, a row of tiles after another; all of them when the areas
// are not known.
std::vector<bool> tilesToCompare(const FrameWrites& written, int columns, int rows) {
    std::vector<bool> marked(static_cast<std::size_t>(columns) * rows, written.wholeFrame);
    if (written.wholeFrame) return marked;
    for (const PixelRect& area : written.areas) {
        if (area.empty()) continue;
        const int left = std::clamp(area.x / ShownFrame::kTileWidth, 0, columns - 1);
        const int right = std::clamp((area.right() - 1) / ShownFrame::kTileWidth, 0, columns - 1);
        const int top = std::clamp(area.y / ShownFrame::kTileHeight, 0, rows - 1);
        const int bottom = std::clamp((area.bottom() - 1) / ShownFrame::kTileHeight, 0, rows - 1);
        for (int row = top; row <= bottom; ++row)
            for (int column = left; column <= right; ++column)
                marked[static_cast<std::size_t>(row) * columns + column] = true;
    }
    return marked;
}

// The smallest rectangle inside the area holding every pixel that differs between the two
// pictures; empty when none does.
PixelRect differingPixels(const Picture& a, const Picture& b, const PixelRect& area) {
    const std::size_t bytes = static_cast<std::size_t>(area.width) * sizeof(std::uint32_t);
    int top = -1, bottom = -1, left = area.right(), right = area.x;
    for (int row = area.y; row < area.bottom(); ++row) {
        const std::uint32_t* rowA = a.row(row);
        const std::uint32_t* rowB = b.row(row);
        if (std::memcmp(rowA + area.x, rowB + area.x, bytes) == 0) continue;
        if (top < 0) top = row;
        bottom = row + 1;
        int first = area.x;
        while (rowA[first] == rowB[first]) ++first;
        int last = area.right() - 1;
        while (rowA[last] == rowB[last]) --last;
        left = std::min(left, first);
        right = std::max(right, last + 1);
    }
    if (top < 0) return {};
    return {left, top, right - left, bottom - top};
}

PixelRect bounding(const PixelRect& a, const PixelRect& b) {
    const int left = std::min(a.x, b.x), top = std::min(a.y, b.y);
    return {left, top, std::max(a.right(), b.right()) - left, std::max(a.bottom(), b.bottom()) - top};
}

} // namespace

std::vector<PixelRect> ShownFrame::takeChanges(const Picture& frame, const FrameWrites& written) {
    if (shown_.width != frame.width || shown_.height != frame.height) {
        shown_ = frame;
        if (frame.empty()) return {};
        return {{0, 0, frame.width, frame.height}};
    }
    const int columns = (frame.width + kTileWidth - 1) / kTileWidth;
    const int rows = (frame.height + kTileHeight - 1) / kTileHeight;
    const std::vector<bool> compared = tilesToCompare(written, columns, rows);
    // Each change as the run of tiles it grew from, and the pixels that differ in it.
    struct Change {
        PixelRect tiles;
        PixelRect pixels;
    };
    std::vector<Change> changes;
    for (int top = 0; top < frame.height; top += kTileHeight) {
        const int height = std::min(kTileHeight, frame.height - top);
        const std::size_t tileRow = static_cast<std::size_t>(top / kTileHeight) * columns;
        int runStart = -1;
        for (int left = 0; left <= frame.width; left += kTileWidth) {
            const int width = std::min(kTileWidth, frame.width - left);
            const bool changed = width > 0 && compared[tileRow + left / kTileWidth] &&
                                 tileChanged(frame, shown_, left, top, width, height);
            if (changed && runStart < 0) runStart = left;
            if (changed || runStart < 0) continue;
            const PixelRect run{runStart, top, left - runStart, height};
            runStart = -1;
            const PixelRect differing = differingPixels(frame, shown_, run);
            copyArea(shown_, frame, run);
            // A run of the same columns as one that ends right above extends it downwards.
            const auto above = std::find_if(changes.begin(), changes.end(), [&](const Change& c) {
                return c.tiles.x == run.x && c.tiles.width == run.width && c.tiles.bottom() == top;
            });
            if (above != changes.end()) {
                above->tiles.height += height;
                above->pixels = bounding(above->pixels, differing);
            } else {
                changes.push_back({run, differing});
            }
        }
    }
    std::vector<PixelRect> differingParts;
    differingParts.reserve(changes.size());
    for (const Change& change : changes)
        differingParts.push_back(change.pixels);
    return differingParts;
}

} // namespace vorlin
