#include "wall_painter.h"

#include "paint_kit.h"
#include "sheet_layout.h"

#include <QLinearGradient>
#include <QRadialGradient>

namespace artgen {

namespace {

constexpr double kWidth = layout::kWallWidth;
constexpr double kHeight = layout::kWallHeight;

QLinearGradient across(double left, double right, const QColor& light, const QColor& dark) {
    QLinearGradient gradient(left, 0, right, 0);
    gradient.setColorAt(0, light);
    gradient.setColorAt(1, dark);
    return gradient;
}

} // namespace

void WallPainter::paint(QPainter& p, int scheme) const {
    switch (scheme) {
    case 1:
        blockTower(p);
        break;
    case 2:
        treeStump(p);
        break;
    case 3:
        heartOnVessel(p);
        break;
    case 4:
        macaronStack(p);
        break;
    case 5:
        brickPillar(p);
        break;
    default:
        bubbleColumn(p);
        break;
    }
}

void WallPainter::blockTower(QPainter& p) const {
    const QColor colours[] = {QColor(0x40, 0x80, 0xE8), QColor(0xF0, 0x50, 0x40),
                              QColor(0xFF, 0xC0, 0x20)};
    for (int i = 0; i < 3; ++i) {
        const double size = 26;
        const QRectF box(kWidth / 2 - size / 2 + (i == 1 ? -3 : 2), kHeight - (i + 1) * size - 1,
                         size, size);
        const QColor colour = colours[i];
        p.setPen(QPen(colour.darker(170), 1.5));
        p.setBrush(colour);
        p.drawRoundedRect(box, 3, 3);
        p.setPen(QPen(colour.lighter(150), 2.5));
        p.setBrush(Qt::NoBrush);
        p.drawRoundedRect(box.adjusted(4, 4, -4, -4), 2, 2);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(0xFF, 0xFA, 0xE8));
        p.drawPath(paint_kit::star(box.center(), 6, 2.6, 5));
    }
}

void WallPainter::treeStump(QPainter& p) const {
    QPainterPath stump;
    stump.moveTo(2, kHeight);
    stump.cubicTo(8, kHeight - 10, 8, 30, 8, 18);
    stump.lineTo(kWidth - 8, 18);
    stump.cubicTo(kWidth - 8, 30, kWidth - 8, kHeight - 10, kWidth - 2, kHeight);
    stump.closeSubpath();
    p.setPen(QPen(QColor(0x3A, 0x22, 0x10), 1.5));
    p.setBrush(across(0, kWidth, QColor(0xA8, 0x74, 0x44), QColor(0x50, 0x30, 0x18)));
    p.drawPath(stump);
    p.setPen(QPen(QColor(0x50, 0x32, 0x18), 1.2));
    for (const double x : {16.0, 26.0, 36.0, 46.0})
        p.drawLine(QPointF(x, 26), QPointF(x + 1, kHeight - 4));
    p.setPen(QPen(QColor(0x8A, 0x5C, 0x30), 1.2));
    p.setBrush(QColor(0xE0, 0xBC, 0x84));
    p.drawEllipse(QPointF(kWidth / 2, 18), kWidth / 2 - 8, 8);
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(QPointF(kWidth / 2, 18), 13, 5);
    p.drawEllipse(QPointF(kWidth / 2, 18), 6, 2.4);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0x60, 0xB0, 0x40));
    p.drawEllipse(QPointF(44, 8), 4, 7);
    p.drawEllipse(QPointF(50, 6), 3, 5);
}

void WallPainter::heartOnVessel(QPainter& p) const {
    p.setPen(QPen(QColor(0x60, 0x08, 0x20), 1.5));
    p.setBrush(across(14, 45, QColor(0xC0, 0x50, 0xA0), QColor(0x60, 0x18, 0x60)));
    p.drawRoundedRect(QRectF(20, 40, 19, 40), 6, 6);
    QRadialGradient shine(QPointF(20, 14), 40);
    shine.setColorAt(0, QColor(0xFF, 0x90, 0xA0));
    shine.setColorAt(0.5, QColor(0xE8, 0x24, 0x40));
    shine.setColorAt(1, QColor(0x98, 0x08, 0x20));
    p.setPen(QPen(QColor(0x60, 0x04, 0x14), 1.6));
    p.setBrush(shine);
    p.drawPath(paint_kit::heart(QRectF(2, 4, kWidth - 4, 50)));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 230, 236));
    p.drawEllipse(QPointF(15, 14), 5, 3);
}

void WallPainter::macaronStack(QPainter& p) const {
    const QColor shells[] = {QColor(0xF8, 0x98, 0xB8), QColor(0x98, 0xE0, 0xC0),
                             QColor(0xFF, 0xD8, 0x78), QColor(0xC0, 0xA0, 0xF0)};
    for (int i = 0; i < 4; ++i) {
        const double bottom = kHeight - i * 19;
        const double inset = i * 2;
        const QColor shell = shells[i];
        p.setPen(QPen(shell.darker(150), 1.2));
        p.setBrush(shell);
        p.drawRoundedRect(QRectF(3 + inset, bottom - 8, kWidth - 6 - 2 * inset, 8), 4, 4);
        p.setBrush(QColor(0xFF, 0xF8, 0xF0));
        p.drawRoundedRect(QRectF(5 + inset, bottom - 12, kWidth - 10 - 2 * inset, 5), 2.5, 2.5);
        p.setBrush(shell);
        p.drawRoundedRect(QRectF(3 + inset, bottom - 19, kWidth - 6 - 2 * inset, 8), 4, 4);
        p.setPen(Qt::NoPen);
        p.setBrush(shell.lighter(125));
        p.drawRoundedRect(QRectF(9 + inset, bottom - 17, kWidth - 24 - 2 * inset, 2), 1, 1);
    }
    p.setPen(QPen(QColor(0x80, 0x10, 0x18), 1));
    p.setBrush(QColor(0xE0, 0x20, 0x30));
    p.drawEllipse(QPointF(kWidth / 2, 3.5), 3.5, 3.5);
}

void WallPainter::brickPillar(QPainter& p) const {
    const QRectF pillar(8, 22, kWidth - 16, kHeight - 22);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0x6A, 0x5A, 0x50));
    p.drawRect(pillar);
    for (int row = 0; row * 8 < pillar.height(); ++row) {
        const double y = pillar.top() + row * 8;
        for (double x = pillar.left() - (row % 2) * 7; x < pillar.right(); x += 14) {
            const QRectF brick = QRectF(x + 0.5, y + 0.5, 13, 7).intersected(pillar);
            p.setBrush(row % 3 == 0 ? QColor(0xB8, 0x60, 0x40) : QColor(0xA8, 0x54, 0x38));
            p.drawRect(brick);
        }
    }
    p.setBrush(QColor(0xD8, 0xCC, 0xB8));
    p.drawRect(QRectF(4, 18, kWidth - 8, 6));
    // A street lamp on top, already lit at dusk.
    p.setBrush(QColor(0x30, 0x30, 0x38));
    p.drawRect(QRectF(kWidth / 2 - 1.5, 6, 3, 12));
    QRadialGradient glow(QPointF(kWidth / 2, 5), 6);
    glow.setColorAt(0, QColor(0xFF, 0xF8, 0xC0));
    glow.setColorAt(1, QColor(0xFF, 0xB8, 0x40));
    p.setPen(QPen(QColor(0x30, 0x30, 0x38), 1.2));
    p.setBrush(glow);
    p.drawRoundedRect(QRectF(kWidth / 2 - 5, 0.5, 10, 9), 2, 2);
}

void WallPainter::bubbleColumn(QPainter& p) const {
    const struct {
        double x;
        double y;
        double r;
    } bubbles[] = {{29, 66, 14}, {20, 44, 11}, {38, 38, 10}, {28, 20, 9}, {40, 8, 6}, {16, 14, 5}};
    for (const auto& b : bubbles) {
        QRadialGradient film(QPointF(b.x - b.r * 0.3, b.y - b.r * 0.3), b.r * 1.3);
        film.setColorAt(0, QColor(0xF8, 0xF8, 0xFF));
        film.setColorAt(0.6, QColor(0xD8, 0xE8, 0xFF));
        film.setColorAt(1, QColor(0xF0, 0xB8, 0xF0));
        p.setPen(QPen(QColor(0x90, 0xA8, 0xE0), 1.3));
        p.setBrush(film);
        p.drawEllipse(QPointF(b.x, b.y), b.r, b.r);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(0xFF, 0xFF, 0xFF));
        p.drawEllipse(QPointF(b.x - b.r * 0.4, b.y - b.r * 0.4), b.r * 0.22, b.r * 0.14);
    }
}

} // namespace artgen
