#pragma once

#include <QImage>
#include <QPainter>

#include <functional>

namespace artgen {

// A sprite sheet as the game draws it: a colour picture (the shape in its colours on black) and a
// mask (the shape in black on white) of one grid of equal cells. Each cell is painted with soft
// edges onto a transparent layer, then cut into the two pictures at half coverage, so the mask is
// pure black and white and the colour picture is black exactly where the mask is white.
class MaskedSheet {
  public:
    using CellPainter = std::function<void(QPainter&)>;

    MaskedSheet() = default;
    MaskedSheet(int columns, int rows, int cellWidth, int cellHeight);

    int columns() const { return columns_; }
    int rows() const { return rows_; }
    int cellWidth() const { return cellWidth_; }
    int cellHeight() const { return cellHeight_; }
    const QImage& colour() const { return colour_; }
    const QImage& mask() const { return mask_; }

    // Paints cell (column, row), both counted from 1, in the cell's own coordinates.
    void paintCell(int column, int row, const CellPainter& painter);
    // Makes column `target` the exact left-right mirror of column `source`, cell by cell.
    void mirrorColumn(int source, int target);
    // Masked draw of cell (column, row) onto a finished picture, as the game draws it.
    void drawCell(QImage& frame, int column, int row, QPoint at) const;

  private:
    void cutLayer(const QImage& layer, int left, int top);

    int columns_ = 0;
    int rows_ = 0;
    int cellWidth_ = 0;
    int cellHeight_ = 0;
    QImage colour_;
    QImage mask_;
};

} // namespace artgen
