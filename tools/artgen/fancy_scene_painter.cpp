#include "fancy_scene_painter.h"

#include "art_random.h"
#include "paint_kit.h"
#include "sheet_layout.h"

#include <QRadialGradient>

#include <cmath>
#include <numbers>
#include <tuple>

namespace artgen {

namespace {

constexpr double kWidth = layout::kScreenWidth;
constexpr double kHeight = layout::kScreenHeight;

} // namespace

void FancyScenePainter::circulation(QPainter& p, ArtRandom& random) const {
    QRadialGradient depth(QPointF(320, 220), 420);
    depth.setColorAt(0, QColor(0xA0, 0x20, 0x38));
    depth.setColorAt(0.6, QColor(0x70, 0x10, 0x2C));
    depth.setColorAt(1, QColor(0x3C, 0x06, 0x20));
    p.fillRect(QRectF(0, 0, kWidth, kHeight), depth);
    // Branching vessels: a dark wall, a lighter core and a shine along them.
    const auto vessel = [&](const QPainterPath& path, double width, const QColor& colour) {
        p.setBrush(Qt::NoBrush);
        p.setPen(QPen(colour.darker(170), width + 6, Qt::SolidLine, Qt::RoundCap));
        p.drawPath(path);
        p.setPen(QPen(colour, width, Qt::SolidLine, Qt::RoundCap));
        p.drawPath(path);
        p.setPen(QPen(colour.lighter(150), width * 0.2, Qt::SolidLine, Qt::RoundCap));
        p.drawPath(path.translated(-width * 0.18, -width * 0.2));
    };
    QPainterPath artery;
    artery.moveTo(-20, 60);
    artery.cubicTo(180, 20, 260, 180, 420, 150);
    artery.cubicTo(540, 128, 600, 40, 680, 30);
    vessel(artery, 34, QColor(0xD8, 0x30, 0x40));
    QPainterPath vein;
    vein.moveTo(-20, 400);
    vein.cubicTo(140, 300, 300, 420, 460, 330);
    vein.cubicTo(560, 274, 620, 300, 680, 250);
    vessel(vein, 30, QColor(0x8A, 0x30, 0x90));
    for (const auto& [from, to, width] : {std::tuple{QPointF(250, 120), QPointF(210, 300), 14.0},
                                          std::tuple{QPointF(430, 150), QPointF(560, 290), 12.0},
                                          std::tuple{QPointF(580, 60), QPointF(630, 150), 10.0},
                                          std::tuple{QPointF(90, 40), QPointF(40, 260), 12.0}}) {
        QPainterPath branch;
        branch.moveTo(from);
        branch.quadTo(QPointF(from.x() + 60, (from.y() + to.y()) / 2), to);
        vessel(branch, width, QColor(0xC8, 0x38, 0x58));
    }
    // Drifting blood cells and a few hearts.
    for (int i = 0; i < 40; ++i) {
        const QPointF at(random.uniform(0, kWidth), random.uniform(0, 460));
        const double radius = random.uniform(5, 11);
        p.save();
        p.translate(at);
        p.rotate(random.uniform(0, 180));
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(0xE8, 0x40, 0x48, 170));
        p.drawEllipse(QPointF(0, 0), radius, radius * 0.7);
        p.setBrush(QColor(0x90, 0x10, 0x28, 170));
        p.drawEllipse(QPointF(0, 0), radius * 0.45, radius * 0.3);
        p.restore();
    }
    for (int i = 0; i < 9; ++i) {
        const double size = random.uniform(22, 46);
        const QRectF box(random.uniform(0, kWidth - size), random.uniform(20, 420), size, size);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(0xFF, 0x80, 0xB0, 90));
        p.drawPath(paint_kit::heart(box));
    }
    // The heartbeat trace across the top.
    QPainterPath beat;
    beat.moveTo(0, 76);
    for (double x = 0; x < kWidth; x += 160) {
        beat.lineTo(x + 60, 76);
        beat.lineTo(x + 70, 64);
        beat.lineTo(x + 80, 96);
        beat.lineTo(x + 92, 40);
        beat.lineTo(x + 104, 88);
        beat.lineTo(x + 112, 76);
        beat.lineTo(x + 160, 76);
    }
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(0xFF, 0xA0, 0xC0, 110), 3));
    p.drawPath(beat);
}

void FancyScenePainter::sweets(QPainter& p, ArtRandom& random) const {
    paint_kit::verticalGradient(
        p, QRectF(0, 0, kWidth, kHeight),
        {QColor(0xF8, 0xB8, 0xD8), QColor(0xFC, 0xE0, 0xE8), QColor(0xD8, 0xF0, 0xF0)});
    // Cotton-candy clouds.
    p.setPen(Qt::NoPen);
    for (const auto& [x, y, w] : {std::tuple{110.0, 80.0, 150.0},
                                  {400.0, 60.0, 180.0},
                                  {600.0, 150.0, 120.0},
                                  {260.0, 180.0, 110.0}}) {
        p.setBrush(QColor(0xFF, 0xE8, 0xF4, 200));
        p.drawPath(paint_kit::cloud(QPointF(x, y), w, w * 0.35));
    }
    // Candy hills: chocolate, strawberry and mint with icing drips.
    const struct {
        double x;
        double top;
        double width;
        QColor colour;
    } hills[] = {{100, 250, 380, QColor(0xE0, 0x88, 0xB0)},
                 {520, 230, 420, QColor(0x90, 0xD8, 0xC0)},
                 {320, 300, 460, QColor(0x8A, 0x54, 0x34)}};
    for (const auto& hill : hills) {
        const QRectF dome(hill.x - hill.width / 2, hill.top, hill.width, (480 - hill.top) * 2);
        p.setBrush(hill.colour);
        p.drawEllipse(dome);
        p.setBrush(QColor(0xFF, 0xFA, 0xF4));
        QPainterPath icing;
        icing.addEllipse(dome.adjusted(hill.width * 0.18, 0, -hill.width * 0.18, 0));
        QPainterPath cap;
        cap.addRect(QRectF(dome.left(), hill.top, hill.width, 30));
        p.drawPath(icing.intersected(cap));
        for (int i = 0; i < 5; ++i) {
            const double x = dome.center().x() - hill.width * 0.22 + i * hill.width * 0.11;
            p.drawRoundedRect(QRectF(x, hill.top + 18, 9, random.uniform(16, 30)), 4.5, 4.5);
        }
    }
    // Lollipops, candy canes and gumdrops.
    const QColor swirls[] = {QColor(0xE8, 0x40, 0x70), QColor(0x40, 0x90, 0xE8),
                             QColor(0xF0, 0x90, 0x20), QColor(0x60, 0xC0, 0x50)};
    int index = 0;
    for (const auto& [x, y, r] : {std::tuple{40.0, 200.0, 26.0},
                                  {180.0, 150.0, 20.0},
                                  {460.0, 170.0, 24.0},
                                  {620.0, 250.0, 18.0}}) {
        paint_kit::lollipop(p, QPointF(x, y), r, swirls[index++ % 4], 300 - y + 60);
    }
    for (const double x : {300.0, 560.0}) {
        QPainterPath cane;
        cane.moveTo(x, 380);
        cane.lineTo(x, 250);
        cane.arcTo(QRectF(x, 230, 40, 40), 180, -180);
        p.setBrush(Qt::NoBrush);
        p.setPen(QPen(QColor(0xFF, 0xF8, 0xF8), 12, Qt::SolidLine, Qt::RoundCap));
        p.drawPath(cane);
        p.setPen(QPen(QColor(0xE0, 0x30, 0x40), 12, Qt::DashLine, Qt::FlatCap));
        p.drawPath(cane);
    }
    for (int i = 0; i < 14; ++i) {
        const QPointF at(random.uniform(0, kWidth), random.uniform(420, 470));
        p.setPen(Qt::NoPen);
        p.setBrush(swirls[i % 4].lighter(120));
        p.drawChord(QRectF(at.x() - 14, at.y() - 14, 28, 28), 0, 180 * 16);
    }
}

void FancyScenePainter::ephemeral(QPainter& p, ArtRandom& random) const {
    paint_kit::verticalGradient(p, QRectF(0, 0, kWidth, kHeight),
                                {QColor(0xB8, 0xB0, 0xE8), QColor(0xF0, 0xC8, 0xD8),
                                 QColor(0xFF, 0xE4, 0xC8), QColor(0xC8, 0xEC, 0xE0)});
    // A faint rainbow behind everything.
    const QColor bands[] = {QColor(255, 120, 120), QColor(255, 200, 110), QColor(250, 250, 140),
                            QColor(140, 230, 150), QColor(130, 180, 255), QColor(190, 140, 240)};
    p.setBrush(Qt::NoBrush);
    for (int i = 0; i < 6; ++i) {
        p.setPen(QPen(paint_kit::withAlpha(bands[i], 70), 9));
        const double r = 330 - i * 9;
        p.drawArc(QRectF(330 - r, 470 - r, 2 * r, 2 * r), 0, 180 * 16);
    }
    // Clouds coming apart: whole on the left, breaking into puffs on the right.
    p.setPen(Qt::NoPen);
    for (const auto& [x, y, w] : {std::tuple{120.0, 90.0, 170.0},
                                  {420.0, 170.0, 150.0},
                                  {200.0, 290.0, 130.0},
                                  {520.0, 380.0, 140.0}}) {
        p.setBrush(QColor(255, 255, 255, 170));
        p.drawPath(paint_kit::cloud(QPointF(x, y), w, w * 0.35));
        for (int i = 1; i <= 6; ++i) {
            const double r = w * 0.1 * (1 - i * 0.12);
            p.setBrush(QColor(255, 255, 255, 170 - i * 24));
            p.drawEllipse(QPointF(x + w / 2 + i * r * 2.2, y - w * 0.12 + random.uniform(-8, 8)), r,
                          r);
        }
    }
    // Soap bubbles of every size.
    for (int i = 0; i < 26; ++i) {
        const double r = random.uniform(5, 34);
        paint_kit::bubble(p, QPointF(random.uniform(0, kWidth), random.uniform(0, 460)), r,
                          random.between(120, 210));
    }
    // Dandelion seeds drifting away.
    p.setPen(QPen(QColor(255, 255, 255, 170), 1));
    for (int i = 0; i < 14; ++i) {
        const QPointF at(random.uniform(0, kWidth), random.uniform(0, 440));
        p.drawLine(at, at + QPointF(5, 9));
        for (int k = 0; k < 6; ++k) {
            const double angle = (200 + k * 28) * std::numbers::pi / 180;
            p.drawLine(at, at + 6 * QPointF(std::cos(angle), std::sin(angle)));
        }
    }
}

} // namespace artgen
