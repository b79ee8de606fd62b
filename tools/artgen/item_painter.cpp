#include "item_painter.h"

#include "paint_kit.h"
#include "sheet_layout.h"

#include <QFont>
#include <QLinearGradient>
#include <QPainterPath>

#include <algorithm>
#include <array>
#include <cmath>
#include <numbers>

namespace artgen {

namespace {

constexpr double kDegrees = std::numbers::pi / 180.0;
constexpr double kCrystalCentre = layout::kObjectCell / 2.0;
constexpr double kCrystalRadius = 9.5;
constexpr double kCrystalTop = 1.5;
constexpr double kCrystalGirdle = 10.0;
constexpr double kCrystalBottom = 23.5;
constexpr int kCrystalSides = 4;
// Eight frames cover a quarter turn, after which the four-sided gem looks the same again.
constexpr double kTurnPerFrame = 90.0 / layout::kObjectFrames;

const QColor kGemColours[layout::kSchemeCount] = {
    QColor(0x40, 0x90, 0xFF), QColor(0x30, 0xD8, 0x70), QColor(0xFF, 0xD8, 0xEC),
    QColor(0xB0, 0x50, 0xF0), QColor(0x40, 0xF0, 0xF0), QColor(0xF0, 0x20, 0x50)};

QColor shaded(const QColor& base, double light) {
    const double factor = std::clamp(light, 0.0, 1.0);
    return QColor::fromRgbF(
               static_cast<float>(base.redF() * (0.35 + 0.65 * factor) + 0.25 * factor * factor),
               static_cast<float>(base.greenF() * (0.35 + 0.65 * factor) + 0.25 * factor * factor),
               static_cast<float>(base.blueF() * (0.35 + 0.65 * factor) + 0.25 * factor * factor))
        .toRgb();
}

} // namespace

QColor ItemPainter::schemeGemColour(int scheme) {
    return kGemColours[scheme - 1];
}

void ItemPainter::paintCrystal(QPainter& p, int scheme, int frame) const {
    const QColor base = kGemColours[scheme - 1];
    const double turn = (frame - 1) * kTurnPerFrame;
    // A four-sided double pyramid turning about its upright axis: each face that looks at us is
    // drawn, lit from the upper left, so the facets slide across as it turns.
    std::array<QPointF, kCrystalSides> girdle;
    std::array<double, kCrystalSides> depth{};
    for (int i = 0; i < kCrystalSides; ++i) {
        const double angle = (turn + 45 + i * 90) * kDegrees;
        girdle[i] = QPointF(kCrystalCentre + kCrystalRadius * std::cos(angle), kCrystalGirdle);
        depth[i] = std::sin(angle);
    }
    const QPointF top(kCrystalCentre, kCrystalTop);
    const QPointF bottom(kCrystalCentre, kCrystalBottom);
    p.setPen(QPen(base.darker(260), 1.0));
    p.setBrush(base.darker(180));
    QPainterPath outline;
    outline.moveTo(top);
    const auto [leftmost, rightmost] = std::minmax_element(
        girdle.begin(), girdle.end(), [](QPointF a, QPointF b) { return a.x() < b.x(); });
    outline.lineTo(*rightmost);
    outline.lineTo(bottom);
    outline.lineTo(*leftmost);
    outline.closeSubpath();
    p.drawPath(outline);
    for (int i = 0; i < kCrystalSides; ++i) {
        const int next = (i + 1) % kCrystalSides;
        const double facing = (depth[i] + depth[next]) / 2;
        if (facing <= 0) continue;
        const double sideways = (girdle[next].x() + girdle[i].x()) / 2 - kCrystalCentre;
        const double light = 0.55 - sideways / kCrystalRadius * 0.45;
        p.setPen(QPen(base.lighter(150), 0.6));
        p.setBrush(shaded(base, light + 0.25));
        p.drawPolygon(QPolygonF({top, girdle[i], girdle[next]}));
        p.setBrush(shaded(base, light - 0.15));
        p.drawPolygon(QPolygonF({bottom, girdle[i], girdle[next]}));
    }
    // A glint that travels round the gem, and a sparkle on every other frame.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 255, 255, 230));
    p.drawEllipse(QPointF(kCrystalCentre - 3 + (frame % 4), 7), 1.3, 1.3);
    if (frame % 2 == 1) {
        const QPointF spot = frame % 4 == 1 ? QPointF(19, 6) : QPointF(6, 17);
        paint_kit::twinkle(p, spot, 5.0, QColor(0xFF, 0xFF, 0xE0));
    }
}

void ItemPainter::paintBananaShape(QPainter& p, QPointF centre, double length,
                                   double tiltDegrees) const {
    p.save();
    p.translate(centre);
    p.rotate(tiltDegrees);
    p.scale(length / 40.0, length / 40.0);
    // A crescent from stem (upper right) to tip (left), drawn in a 40-long box.
    QPainterPath fruit;
    fruit.moveTo(16, -13);
    fruit.cubicTo(20, 0, 6, 13, -18, 6);
    fruit.cubicTo(-20, 5, -20, 3, -18, 2);
    fruit.cubicTo(0, 4, 10, -3, 12, -13);
    fruit.closeSubpath();
    QLinearGradient ripe(0, -8, 0, 10);
    ripe.setColorAt(0, QColor(0xFF, 0xF4, 0x80));
    ripe.setColorAt(0.5, QColor(0xFF, 0xD8, 0x20));
    ripe.setColorAt(1, QColor(0xD8, 0x98, 0x10));
    p.setPen(QPen(QColor(0x70, 0x48, 0x08), 1.4, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(ripe);
    p.drawPath(fruit);
    p.setPen(QPen(QColor(0xC8, 0x90, 0x10), 1.1, Qt::SolidLine, Qt::RoundCap));
    QPainterPath ridge;
    ridge.moveTo(14, -10);
    ridge.cubicTo(15, 0, 4, 9, -14, 5);
    p.drawPath(ridge);
    p.setPen(QPen(QColor(0xFF, 0xFF, 0xD0), 1.3, Qt::SolidLine, Qt::RoundCap));
    QPainterPath shine;
    shine.moveTo(10, -6);
    shine.cubicTo(9, 0, 3, 4, -6, 5);
    p.drawPath(shine);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0x5A, 0x3A, 0x10));
    p.drawRoundedRect(QRectF(11.5, -17, 5, 5), 1.5, 1.5);
    p.drawEllipse(QPointF(-18.5, 4), 1.8, 1.8);
    p.restore();
}

void ItemPainter::paintBanana(QPainter& p, int scheme) const {
    constexpr double kCell = layout::kBananaCell;
    const QPointF centre(kCell / 2, kCell / 2);
    // A burst in the scheme's colour marks the banana as a charge.
    const QColor burst = kGemColours[scheme - 1];
    p.setPen(QPen(burst.darker(170), 1.2));
    p.setBrush(burst.lighter(scheme == 3 ? 100 : 140));
    p.drawPath(paint_kit::star(centre, kCell / 2 - 1, kCell / 2 - 8, 12, scheme * 7));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0xFF, 0xFF, 0xF0));
    p.drawEllipse(centre, kCell / 2 - 11, kCell / 2 - 11);
    paintBananaShape(p, centre + QPointF(1, 1), 40, -10);
}

void ItemPainter::paintPauseSign(QPainter& p, QSize size) const {
    const QRectF plate(1, 1, size.width() - 2, size.height() - 2);
    QLinearGradient face(0, 0, 0, size.height());
    face.setColorAt(0, QColor(0x50, 0x60, 0xC8));
    face.setColorAt(1, QColor(0x28, 0x30, 0x80));
    p.setPen(QPen(QColor(0xFF, 0xD0, 0x40), 2));
    p.setBrush(face);
    p.drawRoundedRect(plate, 6, 6);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0xFF, 0xD0, 0x40));
    p.drawRoundedRect(QRectF(7, 6, 3.5, size.height() - 12), 1, 1);
    p.drawRoundedRect(QRectF(13, 6, 3.5, size.height() - 12), 1, 1);
    QFont font(QStringLiteral("Liberation Sans"));
    font.setPixelSize(15);
    font.setBold(true);
    p.setFont(font);
    p.setPen(QColor(0xFF, 0xFF, 0xFF));
    p.drawText(QRectF(20, 0, size.width() - 22, size.height()), Qt::AlignCenter,
               QStringLiteral("PAUSA"));
}

} // namespace artgen
