#pragma once

#include "game/game.h"
#include "game/picture.h"
#include "game/sprite_sheets.h"

#include <cstdint>
#include <random>

namespace vorlin::test {

constexpr std::uint32_t kBlack = 0xFF000000u;
constexpr std::uint32_t kWhite = 0xFFFFFFFFu;

// The sheets in the order makeTestSheets() numbers them for cellColour().
enum TestSheet {
    kCharacterSheet = 1,
    kObjectSheet,
    kBananaSheet,
    kLiftSheet,
    kPlatformSheet,
    kGroundSheet,
    kWallSheet,
    kBackRopeSheet,
    kFrontRopeSheet
};
// The darkness picture of makeTestSheets(): one colour that nothing else uses.
constexpr std::uint32_t kDarkness = 0xFF101010u;

// The colour of cell (column, row), counted from 1, of a sheet made by makeTestSheets().
std::uint32_t cellColour(int sheet, int column, int row);

// Sheets with the game's cell layout, made in the test: every cell holds a solid block, inset by
// one pixel, in a colour of its own, so a frame shows which cell went where.
SpriteSheets makeTestSheets();
// A background of one colour per pixel position.
Picture makeTestBackground(int width = Game::kFrameWidth, int height = Game::kFrameHeight);
// A pair of w x h with random masks (black, white or any value) and random colours, opaque.
SpritePair makeNoisePair(int w, int h, std::mt19937& generator);
// A one-colour picture.
Picture filled(int w, int h, std::uint32_t colour);

} // namespace vorlin::test
