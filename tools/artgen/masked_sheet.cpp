#include "masked_sheet.h"

#include <algorithm>

namespace artgen {

namespace {

constexpr QRgb kBlack = 0xFF000000u;
constexpr QRgb kWhite = 0xFFFFFFFFu;
// A pixel joins the shape when the soft drawing covers at least half of it.
constexpr int kCoverageThreshold = 128;
// Pure black would vanish in the colour step of the masked draw: shapes use this instead.
constexpr QRgb kShapeBlack = 0xFF101010u;

QRgb shapeColour(QRgb premultiplied) {
    const int alpha = qAlpha(premultiplied);
    const auto unpremultiply = [alpha](int channel) {
        return std::min(255, (channel * 255 + alpha / 2) / alpha);
    };
    const QRgb colour =
        qRgb(unpremultiply(qRed(premultiplied)), unpremultiply(qGreen(premultiplied)),
             unpremultiply(qBlue(premultiplied)));
    return (colour & 0x00FFFFFFu) == 0 ? kShapeBlack : colour;
}

} // namespace

MaskedSheet::MaskedSheet(int columns, int rows, int cellWidth, int cellHeight)
    : columns_(columns), rows_(rows), cellWidth_(cellWidth), cellHeight_(cellHeight),
      colour_(columns * cellWidth, rows * cellHeight, QImage::Format_RGB32),
      mask_(columns * cellWidth, rows * cellHeight, QImage::Format_RGB32) {
    colour_.fill(kBlack);
    mask_.fill(kWhite);
}

void MaskedSheet::paintCell(int column, int row, const CellPainter& painter) {
    QImage layer(cellWidth_, cellHeight_, QImage::Format_ARGB32_Premultiplied);
    layer.fill(Qt::transparent);
    {
        QPainter p(&layer);
        p.setRenderHint(QPainter::Antialiasing);
        p.setRenderHint(QPainter::SmoothPixmapTransform);
        painter(p);
    }
    cutLayer(layer, (column - 1) * cellWidth_, (row - 1) * cellHeight_);
}

void MaskedSheet::cutLayer(const QImage& layer, int left, int top) {
    for (int y = 0; y < cellHeight_; ++y) {
        const auto* source = reinterpret_cast<const QRgb*>(layer.constScanLine(y));
        auto* colourRow = reinterpret_cast<QRgb*>(colour_.scanLine(top + y)) + left;
        auto* maskRow = reinterpret_cast<QRgb*>(mask_.scanLine(top + y)) + left;
        for (int x = 0; x < cellWidth_; ++x) {
            const bool inShape = qAlpha(source[x]) >= kCoverageThreshold;
            colourRow[x] = inShape ? shapeColour(source[x]) : kBlack;
            maskRow[x] = inShape ? kBlack : kWhite;
        }
    }
}

void MaskedSheet::mirrorColumn(int source, int target) {
    const int sourceLeft = (source - 1) * cellWidth_;
    const int targetLeft = (target - 1) * cellWidth_;
    for (QImage* picture : {&colour_, &mask_}) {
        for (int y = 0; y < picture->height(); ++y) {
            auto* line = reinterpret_cast<QRgb*>(picture->scanLine(y));
            for (int x = 0; x < cellWidth_; ++x)
                line[targetLeft + x] = line[sourceLeft + cellWidth_ - 1 - x];
        }
    }
}

void MaskedSheet::drawCell(QImage& frame, int column, int row, QPoint at) const {
    const int sourceLeft = (column - 1) * cellWidth_;
    const int sourceTop = (row - 1) * cellHeight_;
    for (int y = 0; y < cellHeight_; ++y) {
        const int frameY = at.y() + y;
        if (frameY < 0 || frameY >= frame.height()) continue;
        const auto* colourRow = reinterpret_cast<const QRgb*>(colour_.constScanLine(sourceTop + y));
        const auto* maskRow = reinterpret_cast<const QRgb*>(mask_.constScanLine(sourceTop + y));
        auto* frameRow = reinterpret_cast<QRgb*>(frame.scanLine(frameY));
        for (int x = 0; x < cellWidth_; ++x) {
            const int frameX = at.x() + x;
            if (frameX < 0 || frameX >= frame.width()) continue;
            frameRow[frameX] =
                (frameRow[frameX] & maskRow[sourceLeft + x]) | colourRow[sourceLeft + x];
        }
    }
}

} // namespace artgen
