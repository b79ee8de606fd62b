#pragma once

#include <QRect>

#include <algorithm>

namespace vorlin {

// The most pixels copied in one draw onto the window (the field, the controls' picture). Qt splits
// a larger copy over worker threads of its own (seen from 8 Ki pixels up, never at 4 Ki), and in
// the scaled full screen waking them cost more than the copies: two more threads woken some 200
// times a second each at 10 ms a tick.
constexpr double kMostPixelsInOneCopy = 4 * 1024;

// Calls draw with each band of the rectangle small enough for Qt to copy on this thread; each of
// its pixels covers devicePixels pixels of the screen.
template <typename Draw> void inBands(const QRect& rect, Draw draw, double devicePixels = 1) {
    const int bandHeight = std::max(
        1, static_cast<int>(kMostPixelsInOneCopy / (std::max(1, rect.width()) * devicePixels)));
    for (int top = rect.top(); top <= rect.bottom(); top += bandHeight)
        draw(QRect(rect.left(), top, rect.width(), std::min(bandHeight, rect.bottom() + 1 - top)));
}

} // namespace vorlin
