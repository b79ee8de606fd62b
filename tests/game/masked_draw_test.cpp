#include "test_sheets.h"

#include "game/frame_canvas.h"
#include "game/masked_draw.h"

#include <gtest/gtest.h>

#include <random>

namespace vorlin::test {
namespace {

// What a masked draw must do, pixel by pixel, written without any clipping arithmetic: every
// pixel of the requested rectangle that lies inside both the sheet and the frame is combined.
void referenceDraw(Picture& frame, const SpritePair& sprite, int sx, int sy, int w, int h, int dx,
                   int dy) {
    for (int v = 0; v < h; ++v)
        for (int u = 0; u < w; ++u) {
            const int px = sx + u, py = sy + v, fx = dx + u, fy = dy + v;
            if (px < 0 || py < 0 || px >= sprite.mask.width || py >= sprite.mask.height) continue;
            if (px >= sprite.colour.width || py >= sprite.colour.height) continue;
            if (fx < 0 || fy < 0 || fx >= frame.width || fy >= frame.height) continue;
            std::uint32_t& out = frame.row(fy)[fx];
            out = (out & sprite.mask.at(px, py)) | sprite.colour.at(px, py);
        }
}

struct PixelCase {
    const char* name;
    std::uint32_t frame, mask, colour, expected;
};

TEST(MaskedDraw, CombinesMaskWithAndThenColourWithOr) {
    const PixelCase cases[] = {
        {"clear pixel keeps the frame", 0xFF123456u, kWhite, kBlack, 0xFF123456u},
        {"solid pixel shows the colour", 0xFF123456u, kBlack, 0xFFABCDEFu, 0xFFABCDEFu},
        {"grey mask keeps some bits", 0xFFF0F0F0u, 0xFF0F0FF0u, 0xFF000001u, 0xFF0000F1u},
        {"colour on a white mask mixes", 0xFF102030u, kWhite, 0xFF010101u, 0xFF112131u},
    };
    for (const PixelCase& c : cases) {
        const SpritePair pair{filled(1, 1, c.mask), filled(1, 1, c.colour)};
        Picture direct = filled(1, 1, c.frame);
        drawMasked(direct, pair, 0, 0, 1, 1, 0, 0);
        EXPECT_EQ(direct.at(0, 0), c.expected) << c.name << " (drawMasked)";

        FrameCanvas canvas(1, 1);
        canvas.setBackground(filled(1, 1, c.frame));
        canvas.clear();
        canvas.drawSheet(pair, 0, 0, 1, 1, 0, 0);
        EXPECT_EQ(canvas.frame().at(0, 0), c.expected) << c.name << " (sheet runs)";
    }
}

struct ClipCase {
    const char* name;
    int sx, sy, w, h, dx, dy;
};

TEST(MaskedDraw, ClipsToFrameAndSheetOnEverySide) {
    const ClipCase cases[] = {
        {"inside", 0, 0, 4, 4, 1, 1},
        {"past the left edge", 0, 0, 4, 4, -2, 1},
        {"past the right edge", 0, 0, 4, 4, 4, 1},
        {"past the top edge", 0, 0, 4, 4, 1, -3},
        {"past the bottom edge", 0, 0, 4, 4, 1, 5},
        {"past every edge", 0, 0, 9, 9, -2, -2},
        {"source left of the sheet", -2, 0, 4, 4, 1, 1},
        {"source above the sheet", 1, -3, 4, 4, 1, 1},
        {"source right of and below the sheet", 2, 3, 4, 4, 0, 0},
        {"wholly outside the frame", 0, 0, 4, 4, -100, -100},
        {"far below the frame", 0, 0, 4, 4, 0, 500},
        {"negative size", 0, 0, -4, 4, 1, 1},
    };
    std::mt19937 generator(7);
    const SpritePair sheet = makeNoisePair(5, 5, generator);
    const Picture start = makeTestBackground(6, 6);
    for (const ClipCase& c : cases) {
        Picture expected = start;
        referenceDraw(expected, sheet, c.sx, c.sy, c.w, c.h, c.dx, c.dy);

        Picture direct = start;
        drawMasked(direct, sheet, c.sx, c.sy, c.w, c.h, c.dx, c.dy);
        EXPECT_EQ(direct.pixels, expected.pixels) << c.name << " (drawMasked)";

        FrameCanvas canvas(6, 6);
        canvas.setBackground(start);
        canvas.clear();
        canvas.drawSheet(sheet, c.sx, c.sy, c.w, c.h, c.dx, c.dy);
        EXPECT_EQ(canvas.frame().pixels, expected.pixels) << c.name << " (sheet runs)";
    }
}

TEST(MaskedDraw, MaskAloneLeavesABlackSilhouette) {
    SpritePair shape{filled(3, 1, kWhite), filled(3, 1, kBlack)};
    shape.mask.row(0)[1] = kBlack;
    Picture frame = filled(3, 1, 0xFF8899AAu);
    drawMasked(frame, shape, 0, 0, 3, 1, 0, 0);
    EXPECT_EQ(frame.pixels, (std::vector<std::uint32_t>{0xFF8899AAu, kBlack, 0xFF8899AAu}));
}

TEST(MaskedDraw, DarknessPairLeavesExactlyItsPicture) {
    std::mt19937 generator(11);
    const Picture dark = makeNoisePair(8, 6, generator).colour;
    const SpritePair darkness{dark, dark};
    Picture frame = makeTestBackground(10, 8);
    drawMasked(frame, darkness, 0, 0, 8, 6, 2, 1);
    for (int y = 0; y < 6; ++y)
        for (int x = 0; x < 8; ++x)
            ASSERT_EQ(frame.at(x + 2, y + 1), dark.at(x, y));
    EXPECT_EQ(frame.at(0, 0), makeTestBackground(10, 8).at(0, 0));
}

TEST(MaskedDraw, CharacterRowZeroDrawsNothing) {
    const SpriteSheets sheets = makeTestSheets();
    const Picture start = makeTestBackground();
    Picture frame = start;
    const ClippedDraw drawn = drawMasked(frame, sheets.character, 0, -78, 96, 78, 100, 100);
    EXPECT_TRUE(drawn.empty());
    EXPECT_EQ(frame.pixels, start.pixels);
}

// The canvas redraws only where the draws since the last clear differ from those the frame was
// made of, when the frame is looked at; whenever it is looked at, after any run of clears and
// draws, its frame must equal a frame that was fully cleared and drawn pixel by pixel.
TEST(FrameCanvas, MatchesFullClearsOverRandomDraws) {
    std::mt19937 generator(2024);
    const SpritePair sheets[] = {makeNoisePair(40, 30, generator),
                                 makeNoisePair(120, 10, generator),
                                 makeNoisePair(7, 90, generator)};
    const SpritePair picture = makeNoisePair(20, 20, generator);
    const Picture backgrounds[] = {makeTestBackground(64, 48),
                                   makeNoisePair(64, 48, generator).colour,
                                   makeTestBackground(50, 30)}; // the last covers part of the frame
    FrameCanvas canvas(64, 48);
    Picture expected(64, 48);
    std::uniform_int_distribution<int> action(0, 19), coordinate(-60, 80), size(-5, 130),
        pick(0, 2);
    const Picture* background = &backgrounds[0];
    canvas.setBackground(*background);
    for (int step = 0; step < 4000; ++step) {
        const int a = action(generator);
        if (a == 0) {
            background = &backgrounds[pick(generator)];
            canvas.setBackground(*background);
        } else if (a == 1) {
            canvas.forgetSheets();
        } else if (a <= 4) {
            canvas.clear();
            clearToBackground(expected, *background);
        } else {
            const int sx = coordinate(generator), sy = coordinate(generator);
            const int w = size(generator), h = size(generator);
            const int dx = coordinate(generator), dy = coordinate(generator);
            const SpritePair& source = a == 5 ? picture : sheets[pick(generator)];
            if (a == 5)
                canvas.drawPicture(source, sx, sy, w, h, dx, dy);
            else
                canvas.drawSheet(source, sx, sy, w, h, dx, dy);
            referenceDraw(expected, source, sx, sy, w, h, dx, dy);
        }
        // The frame is looked at now and then, so that some lists are never shown.
        if (action(generator) < 5)
            ASSERT_EQ(canvas.frame().pixels, expected.pixels) << "after step " << step;
    }
}

// Ticks draw mostly what the previous tick drew: the same scenery, a few sprites moved, one
// left out or added now and then, sometimes in another order. Looked at after any tick, the
// canvas must show what a full clear and every draw of that tick show.
TEST(FrameCanvas, MatchesFullClearsOverTicksThatRepeatMostDraws) {
    std::mt19937 generator(77);
    const SpritePair sheets[] = {makeNoisePair(64, 20, generator), makeNoisePair(12, 12, generator),
                                 makeNoisePair(30, 40, generator)};
    struct Placed {
        int sheet, sx, sy, w, h, dx, dy;
    };
    std::uniform_int_distribution<int> chance(0, 99), coordinate(-20, 70), pick(0, 2);
    auto randomDraw = [&] {
        return Placed{pick(generator), 0, 0, 40, 30, coordinate(generator), coordinate(generator)};
    };
    for (const Picture& background : {makeTestBackground(64, 48), makeTestBackground(40, 48)}) {
        FrameCanvas canvas(64, 48);
        canvas.setBackground(background);
        std::vector<Placed> tick(12);
        for (Placed& draw : tick)
            draw = randomDraw();
        Picture expected(64, 48);
        for (int step = 0; step < 3000; ++step) {
            for (Placed& draw : tick)
                if (chance(generator) < 5) draw = randomDraw();
            const int c = chance(generator);
            if (c < 3) tick.push_back(randomDraw());
            if (c >= 3 && c < 6 && tick.size() > 1) tick.erase(tick.begin() + c % tick.size());
            if (c == 6) std::swap(tick.front(), tick.back());
            canvas.clear();
            clearToBackground(expected, background);
            for (const Placed& d : tick) {
                canvas.drawSheet(sheets[d.sheet], d.sx, d.sy, d.w, d.h, d.dx, d.dy);
                referenceDraw(expected, sheets[d.sheet], d.sx, d.sy, d.w, d.h, d.dx, d.dy);
            }
            if (chance(generator) < 40)
                ASSERT_EQ(canvas.frame().pixels, expected.pixels)
                    << "tick " << step << ", background " << background.width << " wide";
        }
    }
}

} // namespace
} // namespace vorlin::test
