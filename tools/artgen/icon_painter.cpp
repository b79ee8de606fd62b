#include "icon_painter.h"

#include "creature_colours.h"
#include "creature_painter.h"
#include "emblem_painter.h"
#include "item_painter.h"

#include <QPainterPath>

namespace artgen {

namespace {

using namespace creature_colours;

// Up to this size the head is drawn flat, in a 16-unit box, with a bold outline.
constexpr int kPlainHeadLargest = 24;
constexpr double kPlainBox = 16.0;
constexpr int kSharpLargest = 16;
// The head alone up to this size, the whole creature above it.
constexpr int kHeadAloneLargest = 64;
constexpr int kWindowIconSize = 32;
// The full head in the creature's frame spans about x 53..98 and y 0..38 with its ears.
constexpr double kHeadLeft = 53.0;
constexpr double kHeadWidth = 46.0;
constexpr double kHeadHeight = 38.0;
// The creature's frame and the crystal's cell in the sprite sheets.
constexpr double kFrameWidth = 96.0;
constexpr double kFrameHeight = 78.0;
constexpr double kCrystalCell = 25.0;
constexpr int kCrystalScheme = 1;
constexpr int kCrystalFrame = 3;

QImage blankIcon(int size) {
    QImage icon(size, size, QImage::Format_ARGB32);
    icon.fill(Qt::transparent);
    return icon;
}

void beginPainting(QPainter& p) {
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
}

// A crystal of the first scheme, `cell` pixels tall, its cell's top left corner at `at`.
void paintCrystal(QPainter& p, QPointF at, double cell) {
    p.save();
    p.translate(at);
    p.scale(cell / kCrystalCell, cell / kCrystalCell);
    ItemPainter().paintCrystal(p, kCrystalScheme, kCrystalFrame);
    p.restore();
}

} // namespace

QImage IconPainter::icon(int size) const {
    if (size == kWindowIconSize) return EmblemPainter().windowIcon();
    if (size <= kPlainHeadLargest) return plainHead(size);
    if (size <= kHeadAloneLargest) return detailedHead(size, size == kHeadAloneLargest);
    return wholeCreature(size);
}

QImage IconPainter::plainHead(int size) const {
    QImage icon = blankIcon(size);
    QPainter p(&icon);
    // At 16 pixels every edge sits on whole pixels, sharp; at 24 the edges are smoothed.
    const bool sharp = size <= kSharpLargest;
    if (!sharp) beginPainting(p);
    const double scale = size / kPlainBox;
    p.scale(scale, scale);
    const QPen outline(kOutline, (sharp ? 1.0 : 1.5) / scale, Qt::SolidLine, Qt::RoundCap,
                       Qt::RoundJoin);

    // Two round ears, the round head with its muzzle, one big eye looking forward, the nose.
    p.setPen(outline);
    p.setBrush(kFurShade);
    p.drawEllipse(QRectF(1.5, 1.5, 4.0, 6.0));
    p.drawEllipse(QRectF(6.5, 0.5, 4.0, 6.0));
    QPainterPath head;
    head.addEllipse(QRectF(0.5, 3.5, 12.0, 12.0));
    QPainterPath muzzle;
    muzzle.addEllipse(QRectF(8.5, 8.5, 7.0, 5.0));
    p.setBrush(kFur);
    p.drawPath(head.united(muzzle));
    p.setPen(Qt::NoPen);
    if (!sharp) {
        p.setBrush(kEarInside);
        p.drawEllipse(QRectF(2.5, 2.6, 2.0, 3.4));
        p.setBrush(kBelly);
        p.drawEllipse(QRectF(10.0, 10.5, 4.5, 2.5));
    }
    p.setPen(QPen(kOutline, 1.0 / scale));
    p.setBrush(kEyeWhite);
    p.drawEllipse(QRectF(6.5, 5.5, 5.0, 5.0));
    p.setPen(Qt::NoPen);
    p.setBrush(kPupil);
    p.drawRect(QRectF(9.0, 7.0, 2.0, 3.0));
    p.drawRect(QRectF(14.0, 9.0, 2.0, 2.0));
    return icon;
}

QImage IconPainter::detailedHead(int size, bool withCrystal) const {
    QImage icon = blankIcon(size);
    QPainter p(&icon);
    beginPainting(p);
    // With a crystal the head moves to the lower right and the crystal falls at the upper left.
    const double share = withCrystal ? 0.84 : 1.0;
    const double scale = size * share / kHeadWidth;
    if (withCrystal) paintCrystal(p, QPointF(0, 0), size * 0.36);
    p.translate(size - kHeadWidth * scale, size - kHeadHeight * scale);
    p.scale(scale, scale);
    p.translate(-kHeadLeft, 0);
    CreaturePainter().paintHead(p, 0.0, false);
    return icon;
}

QImage IconPainter::wholeCreature(int size) const {
    QImage icon = blankIcon(size);
    QPainter p(&icon);
    beginPainting(p);
    // The frame is wider than tall: the creature stands at the bottom and the crystal falls
    // towards it in the free space above its tail.
    const double scale = size / kFrameWidth;
    paintCrystal(p, QPointF(size * 0.12, size * 0.02), size * 0.3);
    p.translate(0, size - kFrameHeight * scale);
    p.scale(scale, scale);
    CreaturePainter().paint(p, CreaturePose{0.0, false, false});
    return icon;
}

} // namespace artgen
