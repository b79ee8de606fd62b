#include "frame_canvas.h"

#include <algorithm>
#include <cstring>

namespace vorlin {

FrameCanvas::FrameCanvas(int width, int height) : frame_(width, height) {
    drawnSinceClear_.reserve(kMaxRememberedDraws);
}

void FrameCanvas::setBackground(const Picture& picture) {
    background_ = picture;
    wholeFrameStale_ = true;
}

void FrameCanvas::clear() {
    if (wholeFrameStale_) {
        clearToBackground(frame_, background_);
        writes_ = {};
    } else {
        for (const DrawnArea& area : drawnSinceClear_) {
            noteWritten(area.where);
            if (area.runs) {
                area.runs->restore(frame_, background_, area.where);
                continue;
            }
            const ClippedDraw& r = area.where;
            const int rows = std::min(r.h, background_.height - r.dy);
            const int count = std::min(r.w, background_.width - r.dx);
            for (int y = 0; y < rows && count > 0; ++y)
                std::memcpy(frame_.row(r.dy + y) + r.dx, background_.row(r.dy + y) + r.dx,
                            static_cast<std::size_t>(count) * 4);
        }
    }
    drawnSinceClear_.clear();
    wholeFrameStale_ = false;
}

void FrameCanvas::drawSheet(const SpritePair& sheet, int sx, int sy, int w, int h, int dx, int dy) {
    const ClippedDraw where =
        clipMaskedDraw(frame_.width, frame_.height, sheet, sx, sy, w, h, dx, dy);
    if (where.empty()) return;
    const SpriteRuns& runs = runsOf(sheet);
    runs.draw(frame_, sheet, where);
    remember(where, &runs);
    noteWritten(where);
}

void FrameCanvas::drawPicture(const SpritePair& picture, int sx, int sy, int w, int h, int dx,
                              int dy) {
    const ClippedDraw where = drawMasked(frame_, picture, sx, sy, w, h, dx, dy);
    if (where.empty()) return;
    remember(where, nullptr);
    noteWritten(where);
}

FrameWrites FrameCanvas::takeWrites() {
    FrameWrites taken = std::move(writes_);
    writes_ = {false, {}};
    return taken;
}

void FrameCanvas::noteWritten(const ClippedDraw& where) {
    if (writes_.wholeFrame) return;
    if (writes_.areas.size() == kMaxListedWrites) {
        writes_ = {};
        return;
    }
    writes_.areas.push_back({where.dx, where.dy, where.w, where.h});
}

void FrameCanvas::forgetSheets() {
    sheetRuns_.clear();
    drawnSinceClear_.clear();
    wholeFrameStale_ = true;
}

const SpriteRuns& FrameCanvas::runsOf(const SpritePair& sheet) {
    for (const auto& [known, runs] : sheetRuns_)
        if (known == &sheet) return *runs;
    sheetRuns_.emplace_back(&sheet, std::make_unique<SpriteRuns>(sheet));
    return *sheetRuns_.back().second;
}

void FrameCanvas::remember(const ClippedDraw& where, const SpriteRuns* runs) {
    if (wholeFrameStale_) return;
    if (drawnSinceClear_.size() == kMaxRememberedDraws) {
        drawnSinceClear_.clear();
        wholeFrameStale_ = true;
        return;
    }
    drawnSinceClear_.push_back({where, runs});
}

} // namespace vorlin
