#include "ground_painter.h"

#include "art_random.h"
#include "paint_kit.h"
#include "sheet_layout.h"

#include <QLinearGradient>

#include <cmath>

namespace artgen {

namespace {

constexpr double kWidth = layout::kGroundWidth;
constexpr double kHeight = layout::kGroundHeight;
constexpr std::uint64_t kSeedBase = 0x6A0D;

} // namespace

void GroundPainter::paint(QPainter& p, int scheme) const {
    ArtRandom random(kSeedBase + scheme);
    switch (scheme) {
    case 1:
        rug(p);
        break;
    case 2:
        grassAndEarth(p, random);
        break;
    case 3:
        tissue(p, random);
        break;
    case 4:
        cake(p, random);
        break;
    case 5:
        cobbles(p, random);
        break;
    default:
        cloudBank(p, random);
        break;
    }
}

void GroundPainter::rug(QPainter& p) const {
    // A plank floor edge under a striped rug with a zigzag border.
    p.setPen(Qt::NoPen);
    p.setBrush(paint_kit::downwardGradient(0, kHeight,
                                           {QColor(0xC8, 0x88, 0x50), QColor(0x90, 0x58, 0x30)}));
    p.drawRect(QRectF(0, 0, kWidth, kHeight));
    const QRectF carpet(10, 6, kWidth - 20, kHeight - 12);
    p.setBrush(QColor(0x3C, 0x58, 0xA8));
    p.drawRoundedRect(carpet, 6, 6);
    const QColor stripes[] = {QColor(0xF0, 0xC0, 0x40), QColor(0xE8, 0x58, 0x50),
                              QColor(0x58, 0xB8, 0x70)};
    for (int i = 0; i < 3; ++i)
        p.fillRect(QRectF(16, 20 + i * 7, kWidth - 32, 4), stripes[i]);
    p.setPen(QPen(QColor(0xFF, 0xF4, 0xD8), 2.2));
    p.setBrush(Qt::NoBrush);
    for (const double y : {12.0, kHeight - 12}) {
        QPainterPath zigzag;
        zigzag.moveTo(16, y);
        for (double x = 16; x < kWidth - 20; x += 10) {
            zigzag.lineTo(x + 5, y - 3);
            zigzag.lineTo(x + 10, y);
        }
        p.drawPath(zigzag);
    }
    p.setPen(QPen(QColor(0xF8, 0xEC, 0xC8), 1.4));
    for (double y = 8; y < kHeight - 8; y += 4) {
        p.drawLine(QPointF(4, y), QPointF(10, y));
        p.drawLine(QPointF(kWidth - 10, y), QPointF(kWidth - 4, y));
    }
}

void GroundPainter::grassAndEarth(QPainter& p, ArtRandom& random) const {
    p.setPen(Qt::NoPen);
    p.setBrush(paint_kit::downwardGradient(8, kHeight,
                                           {QColor(0x7A, 0x50, 0x2C), QColor(0x4A, 0x2C, 0x16)}));
    p.drawRect(QRectF(0, 8, kWidth, kHeight - 8));
    for (int i = 0; i < 70; ++i) {
        p.setBrush(QColor(0x9A, 0x88, 0x78));
        const QPointF at(random.uniform(0, kWidth), random.uniform(22, 56));
        p.drawEllipse(at, random.uniform(2, 5), random.uniform(1.5, 3));
    }
    p.setPen(QPen(QColor(0x5C, 0x38, 0x1C), 2, Qt::SolidLine, Qt::RoundCap));
    for (int i = 0; i < 16; ++i) {
        const double x = random.uniform(0, kWidth);
        QPainterPath root;
        root.moveTo(x, 14);
        root.cubicTo(x + 8, 26, x - 10, 36, x + 6, random.uniform(44, 56));
        p.drawPath(root);
    }
    p.setPen(Qt::NoPen);
    p.setBrush(
        paint_kit::downwardGradient(0, 16, {QColor(0x78, 0xC8, 0x48), QColor(0x40, 0x88, 0x2C)}));
    p.drawRoundedRect(QRectF(0, 5, kWidth, 12), 4, 4);
    p.setPen(QPen(QColor(0x68, 0xB8, 0x40), 2, Qt::SolidLine, Qt::RoundCap));
    for (double x = 1; x < kWidth; x += 3) {
        const double height = random.uniform(3, 7);
        p.drawLine(QPointF(x, 9), QPointF(x + random.uniform(-2, 2), 9 - height));
    }
    for (int i = 0; i < 14; ++i) {
        const QPointF at(random.uniform(10, kWidth - 10), random.uniform(4, 9));
        paint_kit::daisy(p, at, 4.5);
    }
}

void GroundPainter::tissue(QPainter& p, ArtRandom& random) const {
    QPainterPath flesh;
    flesh.setFillRule(Qt::WindingFill);
    flesh.addRect(QRectF(0, 10, kWidth, kHeight - 10));
    for (double x = 0; x < kWidth + 20; x += 24)
        flesh.addEllipse(QPointF(x, 12), 14, 9);
    p.setPen(QPen(QColor(0x80, 0x18, 0x30), 1.5));
    p.setBrush(paint_kit::downwardGradient(
        2, kHeight,
        {QColor(0xF8, 0x98, 0xA8), QColor(0xD0, 0x50, 0x68), QColor(0x98, 0x20, 0x40)}));
    p.drawPath(flesh.simplified());
    // Fine capillaries branching through the tissue.
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(0xB0, 0x20, 0x40), 1.6, Qt::SolidLine, Qt::RoundCap));
    for (int i = 0; i < 22; ++i) {
        const double x = random.uniform(0, kWidth);
        QPainterPath capillary;
        capillary.moveTo(x, random.uniform(18, 30));
        capillary.cubicTo(x + 12, 30, x - 6, 42, x + random.uniform(-14, 14), 58);
        p.drawPath(capillary);
    }
    p.setPen(Qt::NoPen);
    for (double x = 12; x < kWidth; x += 24) {
        p.setBrush(QColor(0xFF, 0xC8, 0xD4, 200));
        p.drawEllipse(QPointF(x - 4, 8), 5, 2.5);
    }
}

void GroundPainter::cake(QPainter& p, ArtRandom& random) const {
    // Sponge and cream in layers, whipped cream and strawberries on top.
    const struct {
        double top;
        double height;
        QColor colour;
    } layers[] = {{12, 14, QColor(0x6A, 0x38, 0x1A)},
                  {26, 5, QColor(0xFF, 0xF0, 0xE0)},
                  {31, 13, QColor(0xF0, 0xC0, 0x78)},
                  {44, 4, QColor(0xF0, 0x70, 0x90)},
                  {48, 12, QColor(0x6A, 0x38, 0x1A)}};
    p.setPen(Qt::NoPen);
    for (const auto& layer : layers)
        p.fillRect(QRectF(0, layer.top, kWidth, layer.height), layer.colour);
    for (int i = 0; i < 120; ++i) {
        p.setBrush(QColor(0x4A, 0x24, 0x10));
        p.drawEllipse(QPointF(random.uniform(0, kWidth), random.uniform(33, 42)), 1.2, 1.2);
    }
    p.setPen(QPen(QColor(0xE0, 0xD0, 0xC8), 1));
    p.setBrush(QColor(0xFF, 0xFC, 0xF6));
    for (double x = 6; x < kWidth; x += 16) {
        p.drawEllipse(QPointF(x, 11), 9, 6);
        p.drawEllipse(QPointF(x, 6), 4.5, 4);
    }
    for (double x = 30; x < kWidth - 10; x += 64) {
        p.setPen(QPen(QColor(0x90, 0x10, 0x20), 1));
        p.setBrush(QColor(0xE8, 0x28, 0x38));
        p.drawPath(paint_kit::heart(QRectF(x - 6, 0, 12, 13)));
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(0x50, 0xB0, 0x40));
        p.drawEllipse(QPointF(x, 1.5), 4, 1.6);
    }
}

void GroundPainter::cobbles(QPainter& p, ArtRandom& random) const {
    p.setPen(Qt::NoPen);
    p.fillRect(QRectF(0, 0, kWidth, 8), QColor(0xC8, 0xC0, 0xB4));
    p.fillRect(QRectF(0, 8, kWidth, 3), QColor(0x70, 0x68, 0x60));
    p.fillRect(QRectF(0, 11, kWidth, kHeight - 11), QColor(0x3A, 0x34, 0x38));
    for (int row = 0; row < 4; ++row) {
        const double y = 13 + row * 12;
        for (double x = (row % 2) * -9; x < kWidth; x += 18) {
            const int tone = random.between(0x70, 0x98);
            p.setBrush(QColor(tone, tone - 8, tone - 16));
            p.drawRoundedRect(QRectF(x + 1, y, 16, 10.5), 4, 4);
            p.setBrush(QColor(255, 255, 255, 40));
            p.drawRoundedRect(QRectF(x + 3, y + 1.5, 10, 3), 1.5, 1.5);
        }
    }
    p.setPen(QPen(QColor(0x90, 0x88, 0x80), 1));
    for (double x = 0; x < kWidth; x += 60)
        p.drawLine(QPointF(x, 0), QPointF(x, 8));
}

void GroundPainter::cloudBank(QPainter& p, ArtRandom& random) const {
    QPainterPath bank;
    bank.setFillRule(Qt::WindingFill);
    bank.addRect(QRectF(0, 16, kWidth, kHeight - 16));
    for (double x = 0; x < kWidth + 20; x += random.uniform(18, 30))
        bank.addEllipse(QPointF(x, 18), random.uniform(12, 18), random.uniform(10, 15));
    p.setPen(QPen(QColor(0xB0, 0xA0, 0xE0), 1.5));
    p.setBrush(paint_kit::downwardGradient(
        2, kHeight,
        {QColor(0xFF, 0xFF, 0xFF), QColor(0xF0, 0xE4, 0xFF), QColor(0xD0, 0xC0, 0xF0)}));
    p.drawPath(bank.simplified());
    // A thin band of rainbow sinking into the cloud.
    const QColor bands[] = {QColor(0xFF, 0xA0, 0xA8), QColor(0xFF, 0xD8, 0x98),
                            QColor(0xB8, 0xE8, 0xB0), QColor(0xA8, 0xC8, 0xFF)};
    p.setPen(Qt::NoPen);
    for (int i = 0; i < 4; ++i)
        p.fillRect(QRectF(0, 38 + i * 4, kWidth, 4), bands[i]);
    p.setBrush(QColor(0xFA, 0xF6, 0xFF));
    for (double x = 0; x < kWidth; x += random.uniform(24, 40))
        p.drawEllipse(QPointF(x, 52), random.uniform(10, 16), 7);
}

} // namespace artgen
