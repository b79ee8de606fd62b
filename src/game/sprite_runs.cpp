#include "sprite_runs.h"

#include <algorithm>
#include <cstring>

namespace vorlin {

namespace {

// Pictures are opaque (alpha 0xFF everywhere), so only the colour bits decide a pixel's kind.
constexpr std::uint32_t kColourBits = 0x00FFFFFFu;

enum class PixelKind { Clear, Solid, Mixed };

PixelKind kindOf(std::uint32_t mask, std::uint32_t colour) {
    mask &= kColourBits;
    colour &= kColourBits;
    // A white mask keeps the frame and a black colour adds nothing.
    if (mask == kColourBits && colour == 0) return PixelKind::Clear;
    // Every bit the mask keeps is set by the colour anyway: the result is the colour alone.
    if ((mask & ~colour) == 0) return PixelKind::Solid;
    return PixelKind::Mixed;
}

void blendRow(std::uint32_t* __restrict out, const std::uint32_t* __restrict mask,
              const std::uint32_t* __restrict colour, int count) {
    for (int x = 0; x < count; ++x)
        out[x] = (out[x] & mask[x]) | colour[x];
}

} // namespace

SpriteRuns::SpriteRuns(const SpritePair& sheet) {
    const int width = std::min(sheet.mask.width, sheet.colour.width);
    const int height = std::min(sheet.mask.height, sheet.colour.height);
    rowStart_.reserve(static_cast<std::size_t>(std::max(height, 0)) + 1);
    rowStart_.push_back(0);
    for (int y = 0; y < height; ++y) {
        const std::uint32_t* mask = sheet.mask.row(y);
        const std::uint32_t* colour = sheet.colour.row(y);
        int x = 0;
        while (x < width) {
            const PixelKind kind = kindOf(mask[x], colour[x]);
            int end = x + 1;
            while (end < width && kindOf(mask[end], colour[end]) == kind)
                ++end;
            if (kind != PixelKind::Clear)
                runs_.push_back({x, end, kind == PixelKind::Solid ? Kind::Solid : Kind::Mixed});
            x = end;
        }
        rowStart_.push_back(runs_.size());
    }
}

std::span<const SpriteRuns::Run> SpriteRuns::row(int y) const {
    return {runs_.data() + rowStart_[y], runs_.data() + rowStart_[y + 1]};
}

template <typename Visit>
void SpriteRuns::forEachRun(const ClippedDraw& where, Visit&& visit) const {
    const int left = where.sx;
    const int right = where.sx + where.w;
    for (int y = 0; y < where.h; ++y) {
        const int sourceRow = where.sy + y;
        for (const Run& run : row(sourceRow)) {
            if (run.end <= left) continue;
            if (run.begin >= right) break;
            const int begin = std::max(run.begin, left);
            const int end = std::min(run.end, right);
            visit(sourceRow, where.dy + y, begin, end, where.dx + (begin - left), run.kind);
        }
    }
}

void SpriteRuns::draw(Picture& frame, const SpritePair& sheet, const ClippedDraw& where) const {
    forEachRun(where, [&](int sourceRow, int frameRow, int begin, int end, int frameX, Kind kind) {
        std::uint32_t* out = frame.row(frameRow) + frameX;
        const std::uint32_t* colour = sheet.colour.row(sourceRow) + begin;
        if (kind == Kind::Solid)
            std::memcpy(out, colour, static_cast<std::size_t>(end - begin) * 4);
        else
            blendRow(out, sheet.mask.row(sourceRow) + begin, colour, end - begin);
    });
}

} // namespace vorlin
