#include "synthetic_field.h"

#include "game/field_layout.h"

#include <cstdint>

namespace vorlin::bench {

namespace {

constexpr std::uint32_t kBlack = 0xFF000000u;
constexpr std::uint32_t kWhite = 0xFFFFFFFFu;

// A sheet of columns x rows cells, each with what paints(x, y) chooses within its cell.
template <typename Paints>
SpritePair makeSheet(int cellW, int cellH, int columns, int rows, Paints paints) {
    SpritePair sheet{Picture(cellW * columns, cellH * rows, kWhite),
                     Picture(cellW * columns, cellH * rows, kBlack)};
    for (int y = 0; y < sheet.mask.height; ++y)
        for (int x = 0; x < sheet.mask.width; ++x) {
            if (!paints(x % cellW, y % cellH, cellW, cellH)) continue;
            sheet.mask.row(y)[x] = kBlack;
            sheet.colour.row(y)[x] = 0xFF000000u | static_cast<std::uint32_t>(x * 2654435761u >> 8);
        }
    return sheet;
}

bool insideEllipse(int x, int y, int w, int h) {
    const double nx = (x + 0.5) / w * 2 - 1;
    const double ny = (y + 0.5) / h * 2 - 1;
    return nx * nx + ny * ny <= 1.0;
}

bool everywhere(int, int, int, int) {
    return true;
}

bool slabWithRoundEnds(int x, int y, int w, int h) {
    return x >= h / 2 && x < w - h / 2 ? true : insideEllipse(x < h ? x : x - (w - h), y, h, h);
}

bool twoRopes(int x, int, int w, int) {
    return (x >= 8 && x < 14) || (x >= w - 14 && x < w - 8);
}

} // namespace

SpriteSheets makeSyntheticSheets() {
    using namespace layout;
    SpriteSheets s;
    s.character = makeSheet(kCharacterWidth, kCharacterHeight, 2, 10, insideEllipse);
    s.objects = makeSheet(kObjectSize, kObjectSize, 6, 8, insideEllipse);
    s.banana = makeSheet(kBananaSize, kBananaSize, 6, 1, insideEllipse);
    s.lift = makeSheet(kLiftWidth, kLiftHeight, 6, 3, insideEllipse);
    s.platform = makeSheet(kPlatformWidth, kPlatformHeight, 1, 6, slabWithRoundEnds);
    s.ground = makeSheet(kGroundWidth, kGroundHeight, 1, 6, everywhere);
    s.wall = makeSheet(kWallWidth, kWallHeight, 1, 6, everywhere);
    s.backRope = makeSheet(kBackRopeWidth, kBackRopeHeight, 1, 1, twoRopes);
    s.frontRope = makeSheet(kFrontRopeWidth, kFrontRopeHeight, 1, 1, twoRopes);
    s.darkness = SpritePair{Picture(kFieldWidth, kFieldHeight, kBlack),
                            Picture(kFieldWidth, kFieldHeight, kBlack)};
    return s;
}

Picture makeSyntheticBackground() {
    Picture background(640, 480);
    for (int y = 0; y < background.height; ++y)
        for (int x = 0; x < background.width; ++x)
            background.row(y)[x] = 0xFF000000u | static_cast<std::uint32_t>(x / 3) << 16 |
                                   static_cast<std::uint32_t>(y / 2) << 8 | 0x40u;
    return background;
}

} // namespace vorlin::bench
