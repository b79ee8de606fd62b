#include "test_sheets.h"

#include "game/field_layout.h"

namespace vorlin::test {

std::uint32_t cellColour(int sheet, int column, int row) {
    return kBlack | static_cast<std::uint32_t>(sheet * 20 + 15) << 16 |
           static_cast<std::uint32_t>(column * 37 + 11) << 8 |
           static_cast<std::uint32_t>(row * 23 + 7);
}

namespace {

SpritePair blockSheet(int sheet, int cellW, int cellH, int columns, int rows) {
    SpritePair pair{filled(cellW * columns, cellH * rows, kWhite),
                    filled(cellW * columns, cellH * rows, kBlack)};
    for (int y = 0; y < pair.mask.height; ++y)
        for (int x = 0; x < pair.mask.width; ++x) {
            const int cx = x % cellW;
            const int cy = y % cellH;
            if (cx == 0 || cy == 0 || cx == cellW - 1 || cy == cellH - 1) continue;
            pair.mask.row(y)[x] = kBlack;
            pair.colour.row(y)[x] = cellColour(sheet, x / cellW + 1, y / cellH + 1);
        }
    return pair;
}

} // namespace

Picture filled(int w, int h, std::uint32_t colour) {
    return Picture(w, h, colour);
}

SpriteSheets makeTestSheets() {
    using namespace layout;
    SpriteSheets s;
    s.character = blockSheet(kCharacterSheet, kCharacterWidth, kCharacterHeight, 2, 10);
    s.objects = blockSheet(kObjectSheet, kObjectSize, kObjectSize, 6, 8);
    s.banana = blockSheet(kBananaSheet, kBananaSize, kBananaSize, 6, 1);
    s.lift = blockSheet(kLiftSheet, kLiftWidth, kLiftHeight, 6, 3);
    s.platform = blockSheet(kPlatformSheet, kPlatformWidth, kPlatformHeight, 1, 6);
    s.ground = blockSheet(kGroundSheet, kGroundWidth, kGroundHeight, 1, 6);
    s.wall = blockSheet(kWallSheet, kWallWidth, kWallHeight, 1, 6);
    s.backRope = blockSheet(kBackRopeSheet, kBackRopeWidth, kBackRopeHeight, 1, 1);
    s.frontRope = blockSheet(kFrontRopeSheet, kFrontRopeWidth, kFrontRopeHeight, 1, 1);
    // The darkness: mask and colour are the same picture.
    Picture dark = filled(kFieldWidth, kFieldHeight, kDarkness);
    s.darkness = SpritePair{dark, dark};
    return s;
}

Picture makeTestBackground(int width, int height) {
    Picture background(width, height);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            background.row(y)[x] = kBlack | static_cast<std::uint32_t>(x & 0xFF) << 16 |
                                   static_cast<std::uint32_t>(y & 0xFF) << 8 | 0x80u;
    return background;
}

SpritePair makeNoisePair(int w, int h, std::mt19937& generator) {
    SpritePair pair{Picture(w, h), Picture(w, h)};
    std::uniform_int_distribution<std::uint32_t> any;
    std::uniform_int_distribution<int> kinds(0, 3);
    std::uniform_int_distribution<int> lengths(1, 24);
    // Stretches of one kind, as in real sheets, of random lengths.
    int kind = 0;
    int left = 0;
    for (std::size_t i = 0; i < pair.mask.pixels.size(); ++i, --left) {
        if (left == 0) {
            kind = kinds(generator);
            left = lengths(generator);
        }
        switch (kind) {
        case 0: // clear: white mask, black colour
            pair.mask.pixels[i] = kWhite;
            pair.colour.pixels[i] = kBlack;
            break;
        case 1: // solid: black mask
            pair.mask.pixels[i] = kBlack;
            pair.colour.pixels[i] = kBlack | any(generator);
            break;
        default: // anything at all
            pair.mask.pixels[i] = kBlack | any(generator);
            pair.colour.pixels[i] = kBlack | any(generator);
            break;
        }
    }
    return pair;
}

} // namespace vorlin::test
