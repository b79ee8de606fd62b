#include "changed_areas.h"

#include <algorithm>
#include <cstddef>

namespace vorlin {

namespace {

PixelRect bounds(const PixelRect& a, const PixelRect& b) {
    const int left = std::min(a.x, b.x);
    const int top = std::min(a.y, b.y);
    return {left, top, std::max(a.right(), b.right()) - left,
            std::max(a.bottom(), b.bottom()) - top};
}

// Joins two overlapping rectangles into their bounds whenever the bounds hold no more pixels
// than the two together: a sprite that moved a little is one rectangle, not two.
void joinOverlapping(std::vector<PixelRect>& areas) {
    for (bool joined = true; joined;) {
        joined = false;
        for (std::size_t i = 0; i < areas.size() && !joined; ++i)
            for (std::size_t j = i + 1; j < areas.size() && !joined; ++j) {
                const PixelRect both = bounds(areas[i], areas[j]);
                if (intersected(areas[i], areas[j]).empty() ||
                    both.pixels() > areas[i].pixels() + areas[j].pixels())
                    continue;
                areas[i] = both;
                areas.erase(areas.begin() + static_cast<std::ptrdiff_t>(j));
                joined = true;
            }
    }
}

// Marks the draws of the two lists that are paired with one in the other list: the longest
// sequence of draws common to both, in order.
void pairCommonDraws(std::span<const SheetDraw> before, std::span<const SheetDraw> after,
                     std::vector<bool>& pairedBefore, std::vector<bool>& pairedAfter) {
    const std::size_t n = before.size();
    const std::size_t m = after.size();
    // longest[i][j]: the longest common sequence of before[i..] and after[j..].
    std::vector<int> longest((n + 1) * (m + 1), 0);
    auto at = [m, &longest](std::size_t i, std::size_t j) -> int& {
        return longest[i * (m + 1) + j];
    };
    for (std::size_t i = n; i-- > 0;)
        for (std::size_t j = m; j-- > 0;)
            at(i, j) = before[i].sameAs(after[j]) ? at(i + 1, j + 1) + 1
                                                  : std::max(at(i + 1, j), at(i, j + 1));
    for (std::size_t i = 0, j = 0; i < n && j < m;) {
        if (before[i].sameAs(after[j])) {
            pairedBefore[i++] = true;
            pairedAfter[j++] = true;
        } else if (at(i + 1, j) >= at(i, j + 1)) {
            ++i;
        } else {
            ++j;
        }
    }
}

} // namespace

std::vector<PixelRect> changedAreas(std::span<const SheetDraw> before,
                                    std::span<const SheetDraw> after) {
    // Most ticks draw the same scenery first and often the same things last: those ends are
    // paired at once, and only the middle is searched.
    std::size_t head = 0;
    while (head < before.size() && head < after.size() && before[head].sameAs(after[head]))
        ++head;
    std::size_t tail = 0;
    while (tail < before.size() - head && tail < after.size() - head &&
           before[before.size() - 1 - tail].sameAs(after[after.size() - 1 - tail]))
        ++tail;
    const auto middleBefore = before.subspan(head, before.size() - head - tail);
    const auto middleAfter = after.subspan(head, after.size() - head - tail);

    std::vector<bool> pairedBefore(middleBefore.size(), false);
    std::vector<bool> pairedAfter(middleAfter.size(), false);
    pairCommonDraws(middleBefore, middleAfter, pairedBefore, pairedAfter);

    std::vector<PixelRect> areas;
    for (std::size_t i = 0; i < middleBefore.size(); ++i)
        if (!pairedBefore[i]) areas.push_back(middleBefore[i].where.target());
    for (std::size_t j = 0; j < middleAfter.size(); ++j)
        if (!pairedAfter[j]) areas.push_back(middleAfter[j].where.target());
    joinOverlapping(areas);
    return areas;
}

} // namespace vorlin
