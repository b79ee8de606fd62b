#pragma once

#include <QImage>

#include <array>

namespace artgen {

// The program's icon for the desktop's menus, at each size the icon theme asks for. Every size
// is drawn for itself: the smallest ones as a flat head with a bold outline, the window's own
// 32 x 32 icon as it is, the head in full detail at 48 and 64, and the whole creature under a
// falling crystal at the largest sizes.
class IconPainter {
  public:
    static constexpr std::array<int, 7> kSizes{16, 24, 32, 48, 64, 128, 256};

    QImage icon(int size) const;

  private:
    QImage plainHead(int size) const;
    QImage detailedHead(int size, bool withCrystal) const;
    QImage wholeCreature(int size) const;
};

} // namespace artgen
