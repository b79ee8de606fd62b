#include "frame_canvas.h"

#include <algorithm>

namespace vorlin {

namespace {

// The part of the draw that lies inside the area, or an empty draw.
ClippedDraw cutTo(const ClippedDraw& where, const PixelRect& area) {
    const PixelRect inside = intersected(where.target(), area);
    if (inside.empty()) return {};
    return {where.sx + (inside.x - where.dx),
            where.sy + (inside.y - where.dy),
            inside.width,
            inside.height,
            inside.x,
            inside.y};
}

} // namespace

FrameCanvas::FrameCanvas(int width, int height) : frame_(width, height) {}

const Picture& FrameCanvas::frame() {
    drawListed();
    return frame_;
}

void FrameCanvas::setBackground(const Picture& picture) {
    // What was drawn so far is drawn over the background it was drawn over.
    drawListed();
    background_ = picture;
    wholeFrameStale_ = true;
}

bool FrameCanvas::backgroundCoversFrame() const {
    return background_.width >= frame_.width && background_.height >= frame_.height;
}

void FrameCanvas::clear() {
    // A list nobody looked at is simply replaced: over a background that covers the frame, the
    // frame is made of the background and the newest list alone. Where the background does not
    // reach, each list leaves its marks on what was there, so none is skipped.
    if (cleared_ && !backgroundCoversFrame()) drawListed();
    listed_.clear();
    cleared_ = true;
}

void FrameCanvas::drawSheet(const SpritePair& sheet, int sx, int sy, int w, int h, int dx, int dy) {
    const ClippedDraw where =
        clipMaskedDraw(frame_.width, frame_.height, sheet, sx, sy, w, h, dx, dy);
    if (where.empty()) return;
    const SheetDraw draw{&sheet, &runsOf(sheet), where};
    if (!cleared_) {
        drawNow(draw);
        return;
    }
    listed_.push_back(draw);
    if (listed_.size() == kMaxListedDraws) drawListed();
}

void FrameCanvas::drawPicture(const SpritePair& picture, int sx, int sy, int w, int h, int dx,
                              int dy) {
    // The picture may be replaced before the frame is next looked at: it is drawn now.
    drawListed();
    const ClippedDraw where = drawMasked(frame_, picture, sx, sy, w, h, dx, dy);
    if (where.empty()) return;
    drawNow({nullptr, nullptr, where});
}

void FrameCanvas::drawNow(const SheetDraw& draw) {
    if (draw.runs) draw.runs->draw(frame_, *draw.sheet, draw.where);
    noteWritten(draw.where.target());
    if (wholeFrameStale_) return;
    if (drawn_.size() == kMaxListedDraws) {
        drawn_.clear();
        wholeFrameStale_ = true;
        return;
    }
    drawn_.push_back(draw);
}

void FrameCanvas::drawListed() {
    if (!cleared_) return;
    cleared_ = false;
    if (wholeFrameStale_) {
        redrawWhole();
    } else {
        // The areas where the frame changes, within the part the background covers; beyond it
        // the new draws go over what is there, once.
        const PixelRect covered{0, 0, std::min(frame_.width, background_.width),
                                std::min(frame_.height, background_.height)};
        std::vector<PixelRect> areas = changedAreas(drawn_, listed_);
        long long pixels = 0;
        for (PixelRect& area : areas) {
            area = intersected(area, covered);
            pixels += area.pixels();
        }
        if (pixels >= covered.pixels()) {
            redrawWhole();
        } else {
            for (const PixelRect& area : areas)
                if (!area.empty()) redrawWithin(area, true);
            redrawWithin({covered.right(), 0, frame_.width - covered.right(), frame_.height},
                         false);
            redrawWithin({0, covered.bottom(), covered.right(), frame_.height - covered.bottom()},
                         false);
        }
    }
    drawn_.swap(listed_);
    listed_.clear();
}

void FrameCanvas::redrawWhole() {
    clearToBackground(frame_, background_);
    for (const SheetDraw& draw : listed_)
        draw.runs->draw(frame_, *draw.sheet, draw.where);
    writes_ = {};
    wholeFrameStale_ = false;
}

void FrameCanvas::redrawWithin(const PixelRect& area, bool restoreBackground) {
    if (area.empty()) return;
    if (restoreBackground) copyArea(frame_, background_, area);
    for (const SheetDraw& draw : listed_) {
        const ClippedDraw part = cutTo(draw.where, area);
        if (!part.empty()) draw.runs->draw(frame_, *draw.sheet, part);
    }
    noteWritten(area);
}

FrameWrites FrameCanvas::takeWrites() {
    drawListed();
    FrameWrites taken = std::move(writes_);
    writes_ = {false, {}};
    return taken;
}

void FrameCanvas::noteWritten(const PixelRect& area) {
    if (writes_.wholeFrame) return;
    if (writes_.areas.size() == kMaxListedWrites) {
        writes_ = {};
        return;
    }
    writes_.areas.push_back(area);
}

void FrameCanvas::forgetSheets() {
    drawListed();
    sheetRuns_.clear();
    drawn_.clear();
    wholeFrameStale_ = true;
}

const SpriteRuns& FrameCanvas::runsOf(const SpritePair& sheet) {
    for (const auto& [known, runs] : sheetRuns_)
        if (known == &sheet) return *runs;
    sheetRuns_.emplace_back(&sheet, std::make_unique<SpriteRuns>(sheet));
    return *sheetRuns_.back().second;
}

} // namespace vorlin
