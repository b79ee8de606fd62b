#pragma once

#include <QColor>

namespace artgen {

// The colours of the yellow creature, shared by its sprite sheet and the program's icons.
namespace creature_colours {

inline const QColor kFur(0xFF, 0xD2, 0x3F);
inline const QColor kFurLight(0xFF, 0xF0, 0x9A);
inline const QColor kFurShade(0xE3, 0x9B, 0x16);
inline const QColor kOutline(0x6E, 0x3E, 0x08);
inline const QColor kBelly(0xFF, 0xF4, 0xC8);
inline const QColor kTailRing(0xD9, 0x7A, 0x14);
inline const QColor kEarInside(0xFF, 0x9A, 0xAE);
inline const QColor kCheek(0xFF, 0x86, 0x6A);
inline const QColor kEyeWhite(0xFF, 0xFF, 0xFF);
inline const QColor kPupil(0x14, 0x10, 0x18);
inline const QColor kMouth(0x7A, 0x22, 0x18);

} // namespace creature_colours

} // namespace artgen
