#include "shown_frame.h"

#include <algorithm>
#include <cstring>

namespace vorlin {

namespace {

// The first and one past the last column where two rows differ; first == last when they agree.
std::pair<int, int> changedColumns(const std::uint32_t* a, const std::uint32_t* b, int width) {
    if (std::memcmp(a, b, static_cast<std::size_t>(width) * sizeof(std::uint32_t)) == 0)
        return {0, 0};
    int first = 0;
    while (a[first] == b[first])
        ++first;
    int last = width;
    while (a[last - 1] == b[last - 1])
        --last;
    return {first, last};
}

bool joinable(const PixelRect& above, const PixelRect& band) {
    return above.bottom() == band.y && above.x < band.right() && band.x < above.right();
}

} // namespace

std::vector<PixelRect> ShownFrame::takeChanges(const Picture& frame) {
    if (shown_.width != frame.width || shown_.height != frame.height) {
        shown_ = frame;
        if (frame.empty()) return {};
        return {{0, 0, frame.width, frame.height}};
    }
    std::vector<PixelRect> changes;
    for (int top = 0; top < frame.height; top += kBandHeight) {
        const int bottom = std::min(top + kBandHeight, frame.height);
        int first = frame.width;
        int last = 0;
        for (int y = top; y < bottom; ++y) {
            const auto [rowFirst, rowLast] =
                changedColumns(frame.row(y), shown_.row(y), frame.width);
            if (rowFirst == rowLast) continue;
            first = std::min(first, rowFirst);
            last = std::max(last, rowLast);
        }
        if (first >= last) continue;
        for (int y = top; y < bottom; ++y)
            std::memcpy(shown_.row(y) + first, frame.row(y) + first,
                        static_cast<std::size_t>(last - first) * sizeof(std::uint32_t));
        const PixelRect band{first, top, last - first, bottom - top};
        if (!changes.empty() && joinable(changes.back(), band)) {
            PixelRect& above = changes.back();
            const int left = std::min(above.x, band.x);
            const int right = std::max(above.right(), band.right());
            above = {left, above.y, right - left, band.bottom() - above.y};
        } else {
            changes.push_back(band);
        }
    }
    return changes;
}

} // namespace vorlin
