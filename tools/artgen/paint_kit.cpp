#include "paint_kit.h"

#include <QLinearGradient>
#include <QRadialGradient>

#include <cmath>
#include <numbers>

namespace artgen::paint_kit {

namespace {
constexpr double kDegrees = std::numbers::pi / 180.0;
}

QColor withAlpha(QColor colour, int alpha) {
    colour.setAlpha(alpha);
    return colour;
}

QLinearGradient downwardGradient(double top, double bottom, std::initializer_list<QColor> colours) {
    QLinearGradient gradient(0, top, 0, bottom);
    const double last = std::max<double>(1, double(colours.size()) - 1);
    int index = 0;
    for (const QColor& colour : colours)
        gradient.setColorAt(index++ / last, colour);
    return gradient;
}

void verticalGradient(QPainter& p, const QRectF& area, std::initializer_list<QColor> colours) {
    p.fillRect(area, downwardGradient(area.top(), area.bottom(), colours));
}

QPainterPath heart(const QRectF& box) {
    const double w = box.width();
    const double h = box.height();
    const QPointF top(box.center().x(), box.top() + h * 0.28);
    QPainterPath path;
    path.moveTo(box.center().x(), box.bottom());
    path.cubicTo(box.left() + w * 0.1, box.top() + h * 0.7, box.left() - w * 0.08,
                 box.top() + h * 0.15, box.left() + w * 0.27, box.top() + h * 0.02);
    path.cubicTo(box.left() + w * 0.4, box.top() - h * 0.03, top.x() - w * 0.02, top.y() - h * 0.12,
                 top.x(), top.y());
    path.cubicTo(top.x() + w * 0.02, top.y() - h * 0.12, box.right() - w * 0.4,
                 box.top() - h * 0.03, box.right() - w * 0.27, box.top() + h * 0.02);
    path.cubicTo(box.right() + w * 0.08, box.top() + h * 0.15, box.right() - w * 0.1,
                 box.top() + h * 0.7, box.center().x(), box.bottom());
    path.closeSubpath();
    return path;
}

QPainterPath cloud(QPointF bottomCentre, double width, double height) {
    QPainterPath path;
    path.setFillRule(Qt::WindingFill);
    constexpr int kPuffs = 5;
    for (int i = 0; i < kPuffs; ++i) {
        const double t = (i + 0.5) / kPuffs;
        const double rise = std::sin(t * std::numbers::pi);
        const double radius = height * (0.35 + 0.45 * rise);
        const QPointF centre(bottomCentre.x() - width / 2 + t * width,
                             bottomCentre.y() - radius * 0.9);
        path.addEllipse(centre, radius * 1.15, radius);
    }
    path.addRoundedRect(QRectF(bottomCentre.x() - width / 2, bottomCentre.y() - height * 0.35,
                               width, height * 0.35),
                        height * 0.17, height * 0.17);
    return path.simplified();
}

QPainterPath star(QPointF centre, double outer, double inner, int points, double turnDegrees) {
    QPainterPath path;
    for (int i = 0; i < points * 2; ++i) {
        const double angle = (turnDegrees - 90 + i * 180.0 / points) * kDegrees;
        const double radius = i % 2 == 0 ? outer : inner;
        const QPointF corner = centre + radius * QPointF(std::cos(angle), std::sin(angle));
        if (i == 0)
            path.moveTo(corner);
        else
            path.lineTo(corner);
    }
    path.closeSubpath();
    return path;
}

void twinkle(QPainter& p, QPointF centre, double size, const QColor& colour) {
    p.setPen(Qt::NoPen);
    p.setBrush(colour);
    p.drawPath(star(centre, size, size * 0.18, 4));
    p.setBrush(QColor(255, 255, 255));
    p.drawEllipse(centre, size * 0.22, size * 0.22);
}

void daisy(QPainter& p, QPointF centre, double radius) {
    constexpr int kPetals = 12;
    p.setPen(QPen(QColor(0xC8, 0xC8, 0xD8), radius * 0.05));
    p.setBrush(QColor(0xFA, 0xFA, 0xFF));
    for (int i = 0; i < kPetals; ++i) {
        p.save();
        p.translate(centre);
        p.rotate(i * 360.0 / kPetals);
        p.drawEllipse(QPointF(radius * 0.55, 0), radius * 0.45, radius * 0.16);
        p.restore();
    }
    QRadialGradient heartOfFlower(centre - QPointF(radius * 0.1, radius * 0.1), radius * 0.35);
    heartOfFlower.setColorAt(0, QColor(0xFF, 0xE8, 0x40));
    heartOfFlower.setColorAt(1, QColor(0xE8, 0x9A, 0x10));
    p.setPen(Qt::NoPen);
    p.setBrush(heartOfFlower);
    p.drawEllipse(centre, radius * 0.3, radius * 0.3);
}

void bubble(QPainter& p, QPointF centre, double radius, int alpha) {
    QRadialGradient film(centre, radius);
    film.setColorAt(0, QColor(255, 255, 255, alpha / 8));
    film.setColorAt(0.75, QColor(200, 230, 255, alpha / 5));
    film.setColorAt(0.9, QColor(255, 190, 240, alpha / 2));
    film.setColorAt(1, QColor(170, 255, 230, alpha));
    p.setPen(Qt::NoPen);
    p.setBrush(film);
    p.drawEllipse(centre, radius, radius);
    p.setBrush(QColor(255, 255, 255, std::min(255, alpha + 60)));
    p.drawEllipse(centre + QPointF(-radius * 0.4, -radius * 0.42), radius * 0.2, radius * 0.12);
}

void lollipop(QPainter& p, QPointF centre, double radius, const QColor& swirl, double stick) {
    p.setPen(QPen(QColor(0xF4, 0xEE, 0xE0), radius * 0.18, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(centre, centre + QPointF(0, radius + stick));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0xFF, 0xF6, 0xF0));
    p.drawEllipse(centre, radius, radius);
    p.setPen(QPen(swirl, radius * 0.22, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    QPainterPath spiral;
    constexpr int kSteps = 60;
    constexpr double kTurns = 2.6;
    for (int i = 0; i <= kSteps; ++i) {
        const double t = double(i) / kSteps;
        const double angle = t * kTurns * 2 * std::numbers::pi;
        const QPointF point =
            centre + radius * 0.85 * t * QPointF(std::cos(angle), std::sin(angle));
        if (i == 0)
            spiral.moveTo(point);
        else
            spiral.lineTo(point);
    }
    p.drawPath(spiral);
}

void veil(QImage& picture, const QColor& colour, double strength) {
    QPainter p(&picture);
    QColor translucent = colour;
    translucent.setAlphaF(static_cast<float>(strength));
    p.fillRect(picture.rect(), translucent);
}

} // namespace artgen::paint_kit
