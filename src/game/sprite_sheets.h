#pragma once

#include "picture.h"

#include <array>

namespace vorlin {

// Every sprite sheet the field is drawn with, each a mask and a colour picture of one layout.
// Cells are chosen by 1-based column and row; the cell sizes are in field_layout.h.
struct SpriteSheets {
    SpritePair character; // picMascheraS / picSpriteS: 2 columns (facing) x 10 rows of 96 x 78
    SpritePair objects;   // picMascheraW / picSpriteW: 6 columns (scheme) x 8 rows of 25 x 25
    SpritePair banana;    // picMascheraBa / picSpriteBa: 6 columns x 1 row of 56 x 56
    SpritePair lift;      // picMascheraA / picSpriteA: 6 columns x 3 rows of 118 x 83
    SpritePair platform;  // BaseNera / BaseColo: 1 column x 6 rows of 720 x 30
    SpritePair ground;    // picMascheraO / picSpriteO: 1 column x 6 rows of 720 x 60
    SpritePair wall;      // picMascheraM / picSpriteM: 1 column x 6 rows of 59 x 80
    SpritePair backRope;  // picMascheraCoDi / picSpriteCoDi: one 118 x 180 picture
    SpritePair frontRope; // picMascheraCoDa / picSpriteCoDa: one 118 x 671 picture
    SpritePair darkness;  // picMascheraN / picSpriteN: both "BuioCol", at least 640 x 460

    // Every sheet above, for work done on each of them alike.
    std::array<const SpritePair*, 10> all() const {
        return {&character, &objects, &banana,   &lift,      &platform,
                &ground,    &wall,    &backRope, &frontRope, &darkness};
    }
};

} // namespace vorlin
