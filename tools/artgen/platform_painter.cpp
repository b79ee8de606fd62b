#include "platform_painter.h"

#include "art_random.h"
#include "paint_kit.h"
#include "sheet_layout.h"

#include <QLinearGradient>

#include <cmath>

namespace artgen {

namespace {

constexpr double kWidth = layout::kPlatformWidth;
constexpr double kHeight = layout::kPlatformHeight;
constexpr std::uint64_t kSeedBase = 0xB45E;

} // namespace

void PlatformPainter::paint(QPainter& p, int scheme) const {
    ArtRandom random(kSeedBase + scheme);
    switch (scheme) {
    case 1:
        toyBlocks(p);
        break;
    case 2:
        mossyLog(p, random);
        break;
    case 3:
        vessel(p);
        break;
    case 4:
        chocolateBar(p, random);
        break;
    case 5:
        stoneLedge(p);
        break;
    default:
        cloudStrip(p, random);
        break;
    }
}

void PlatformPainter::toyBlocks(QPainter& p) const {
    const QColor colours[] = {QColor(0xF0, 0x50, 0x40), QColor(0xFF, 0xC0, 0x20),
                              QColor(0x40, 0xB0, 0x60), QColor(0x40, 0x80, 0xE8),
                              QColor(0xB0, 0x58, 0xD8)};
    constexpr int kBlock = 30;
    for (int i = 0; i * kBlock < kWidth; ++i) {
        const QColor colour = colours[i % 5];
        const QRectF box(i * kBlock + 0.5, 0.5, kBlock - 1, kHeight - 1);
        p.setPen(QPen(colour.darker(170), 1.4));
        p.setBrush(colour);
        p.drawRoundedRect(box, 3, 3);
        p.setPen(Qt::NoPen);
        p.setBrush(colour.lighter(135));
        p.drawRect(QRectF(box.left() + 2, 2, box.width() - 4, 3));
        p.setBrush(colour.darker(125));
        p.drawRect(QRectF(box.left() + 2, kHeight - 5, box.width() - 4, 3));
        // Each block carries a little picture: a star, a dot or a heart.
        p.setBrush(QColor(0xFF, 0xFA, 0xE8));
        const QPointF centre = box.center();
        switch (i % 3) {
        case 0:
            p.drawPath(paint_kit::star(centre, 8, 3.5, 5));
            break;
        case 1:
            p.drawEllipse(centre, 6, 6);
            break;
        default:
            p.drawPath(paint_kit::heart(QRectF(centre.x() - 7, centre.y() - 6, 14, 13)));
        }
    }
}

void PlatformPainter::mossyLog(QPainter& p, ArtRandom& random) const {
    const QRectF log(2, 6, kWidth - 4, kHeight - 7);
    p.setPen(QPen(QColor(0x3A, 0x22, 0x10), 1.5));
    p.setBrush(paint_kit::downwardGradient(
        0, kHeight,
        {QColor(0xA0, 0x6C, 0x3C), QColor(0x7A, 0x4C, 0x28), QColor(0x4E, 0x30, 0x18)}));
    p.drawRoundedRect(log, 11, 11);
    // Bark grooves along the log.
    p.setPen(QPen(QColor(0x52, 0x32, 0x18), 1.2));
    for (int i = 0; i < 60; ++i) {
        const double x = random.uniform(14, kWidth - 40);
        const double y = random.uniform(13, 27);
        p.drawLine(QPointF(x, y), QPointF(x + random.uniform(12, 34), y + random.uniform(-1, 1)));
    }
    // The cut ends show their rings.
    for (const double x : {12.0, kWidth - 12}) {
        p.setPen(QPen(QColor(0x6A, 0x44, 0x20), 1));
        p.setBrush(QColor(0xD8, 0xB0, 0x78));
        p.drawEllipse(QPointF(x, 18), 7, 11);
        p.setBrush(Qt::NoBrush);
        p.drawEllipse(QPointF(x, 18), 3.5, 6);
    }
    // Moss along the top with small leaves.
    p.setPen(Qt::NoPen);
    for (double x = 14; x < kWidth - 14; x += 5) {
        p.setBrush(QColor(0x58, 0xA0 + random.between(0, 40), 0x38));
        p.drawEllipse(QPointF(x, 7 + random.uniform(-1, 1)), random.uniform(3.5, 6), 3.5);
    }
    for (int i = 0; i < 24; ++i) {
        const QPointF at(random.uniform(20, kWidth - 20), random.uniform(3, 6));
        p.save();
        p.translate(at);
        p.rotate(random.uniform(-60, 60));
        p.setBrush(QColor(0x80, 0xD0, 0x50));
        p.drawEllipse(QPointF(0, -2), 2.5, 5);
        p.restore();
    }
}

void PlatformPainter::vessel(QPainter& p) const {
    const QRectF tube(1, 3, kWidth - 2, kHeight - 5);
    p.setPen(QPen(QColor(0x70, 0x08, 0x20), 2));
    p.setBrush(paint_kit::downwardGradient(
        0, kHeight,
        {QColor(0xFF, 0x80, 0x90), QColor(0xE0, 0x30, 0x48), QColor(0x90, 0x10, 0x28)}));
    p.drawRoundedRect(tube, 13, 13);
    p.setPen(QPen(QColor(0xFF, 0xC8, 0xD0), 2.5, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(16, 8), QPointF(kWidth - 16, 8));
    // Small hearts carried along in the flow.
    p.setPen(Qt::NoPen);
    for (double x = 30; x < kWidth - 20; x += 60) {
        p.setBrush(QColor(0xFF, 0xE0, 0xE8));
        p.drawPath(paint_kit::heart(QRectF(x, 12, 11, 10)));
        p.setBrush(QColor(0xB0, 0x18, 0x38));
        p.drawEllipse(QPointF(x + 32, 18), 5, 3);
    }
}

void PlatformPainter::chocolateBar(QPainter& p, ArtRandom& random) const {
    p.setPen(QPen(QColor(0x30, 0x18, 0x0A), 1.4));
    p.setBrush(QColor(0x6A, 0x3A, 0x1E));
    p.drawRoundedRect(QRectF(1, 6, kWidth - 2, kHeight - 7), 4, 4);
    constexpr int kPiece = 36;
    for (int i = 0; i * kPiece < kWidth; ++i) {
        const QRectF piece(i * kPiece + 3, 11, kPiece - 6, kHeight - 16);
        p.setPen(QPen(QColor(0x4A, 0x26, 0x10), 1));
        p.setBrush(QColor(0x82, 0x4C, 0x28));
        p.drawRoundedRect(piece, 2, 2);
        p.setPen(QPen(QColor(0xA8, 0x70, 0x44), 1.2));
        p.drawLine(piece.topLeft() + QPointF(2, 1.5), piece.topRight() + QPointF(-2, 1.5));
    }
    // Pink icing poured over the top, dripping down here and there.
    QPainterPath icing;
    icing.addRoundedRect(QRectF(0, 0, kWidth, 9), 4, 4);
    for (double x = 10; x < kWidth - 10; x += random.uniform(22, 48))
        icing.addRoundedRect(QRectF(x, 4, 7, random.uniform(8, 15)), 3.5, 3.5);
    icing.setFillRule(Qt::WindingFill);
    p.setPen(QPen(QColor(0xC0, 0x50, 0x80), 1));
    p.setBrush(QColor(0xFF, 0x9C, 0xC8));
    p.drawPath(icing.simplified());
    const QColor sprinkles[] = {QColor(0xFF, 0xFF, 0xFF), QColor(0x60, 0xD0, 0xFF),
                                QColor(0xFF, 0xE0, 0x40), QColor(0x80, 0xE8, 0x80)};
    for (int i = 0; i < 90; ++i) {
        const QPointF at(random.uniform(4, kWidth - 4), random.uniform(2, 7));
        p.setPen(QPen(sprinkles[i % 4], 1.6, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(at, at + QPointF(random.uniform(-2.5, 2.5), random.uniform(-1, 1)));
    }
}

void PlatformPainter::stoneLedge(QPainter& p) const {
    // Curved terracotta tiles along the top, a stone cornice below.
    p.setPen(QPen(QColor(0x5A, 0x24, 0x14), 1));
    for (double x = 0; x < kWidth; x += 12) {
        p.setBrush(QColor(0xC0, 0x58, 0x34));
        p.drawChord(QRectF(x, 0, 13, 14), 0, 180 * 16);
        p.setBrush(QColor(0xA0, 0x44, 0x28));
        p.drawRect(QRectF(x, 7, 12, 5));
    }
    p.setPen(QPen(QColor(0x50, 0x48, 0x44), 1));
    p.setBrush(paint_kit::downwardGradient(0, kHeight,
                                           {QColor(0xE0, 0xD4, 0xC0), QColor(0xB8, 0xAC, 0x98)}));
    p.drawRect(QRectF(0.5, 12, kWidth - 1, 17.5));
    p.setPen(QPen(QColor(0x80, 0x74, 0x68), 1));
    for (double x = 40; x < kWidth; x += 48)
        p.drawLine(QPointF(x, 13), QPointF(x, 29));
    p.drawLine(QPointF(1, 22), QPointF(kWidth - 1, 22));
}

void PlatformPainter::cloudStrip(QPainter& p, ArtRandom& random) const {
    QPainterPath cloud;
    cloud.setFillRule(Qt::WindingFill);
    cloud.addRoundedRect(QRectF(4, 8, kWidth - 8, 16), 8, 8);
    for (double x = 12; x < kWidth - 10; x += random.uniform(14, 24)) {
        const double r = random.uniform(7, 11);
        cloud.addEllipse(QPointF(x, 13 - random.uniform(0, 3)), r, r * 0.8);
        cloud.addEllipse(QPointF(x + 6, 21 + random.uniform(0, 2)), r * 0.7, r * 0.55);
    }
    p.setPen(QPen(QColor(0xA8, 0x98, 0xD8), 1.4));
    p.setBrush(paint_kit::downwardGradient(
        0, kHeight,
        {QColor(0xFF, 0xFF, 0xFF), QColor(0xF0, 0xE8, 0xFF), QColor(0xC8, 0xB8, 0xF0)}));
    p.drawPath(cloud.simplified());
}

} // namespace artgen
