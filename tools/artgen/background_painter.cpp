#include "background_painter.h"

#include "art_random.h"
#include "fancy_scene_painter.h"
#include "paint_kit.h"
#include "sheet_layout.h"

#include <QLinearGradient>
#include <QRadialGradient>

#include <cmath>
#include <numbers>
#include <tuple>

namespace artgen {

namespace {

constexpr double kWidth = layout::kScreenWidth;
constexpr double kHeight = layout::kScreenHeight;
constexpr std::uint64_t kSeedBase = 0x5F0D0;
// How strongly each scene is toned down under the sprites.
constexpr double kVeilStrength[layout::kSchemeCount] = {0.30, 0.28, 0.25, 0.32, 0.18, 0.30};
const QColor kVeilColour[layout::kSchemeCount] = {QColor(20, 24, 48), QColor(8, 24, 16),
                                                  QColor(30, 0, 16),  QColor(60, 20, 50),
                                                  QColor(10, 8, 30),  QColor(50, 40, 80)};

void toyBlock(QPainter& p, QRectF box, const QColor& colour) {
    p.setPen(QPen(colour.darker(150), 2));
    p.setBrush(colour);
    p.drawRoundedRect(box, 3, 3);
    p.setPen(QPen(colour.lighter(160), 3));
    p.drawRoundedRect(box.adjusted(6, 6, -6, -6), 2, 2);
}

void tree(QPainter& p, double x, double baseY, double height, const QColor& trunk,
          const QColor& leaves, ArtRandom& random) {
    const double trunkWidth = height * 0.09;
    p.setPen(Qt::NoPen);
    p.setBrush(trunk);
    QPainterPath stem;
    stem.moveTo(x - trunkWidth, baseY);
    stem.lineTo(x - trunkWidth * 0.45, baseY - height * 0.7);
    stem.lineTo(x + trunkWidth * 0.45, baseY - height * 0.7);
    stem.lineTo(x + trunkWidth, baseY);
    p.drawPath(stem);
    p.setBrush(leaves);
    constexpr int kClumps = 9;
    for (int i = 0; i < kClumps; ++i) {
        const double spread = height * 0.32;
        const QPointF centre(x + random.uniform(-spread, spread),
                             baseY - height * random.uniform(0.6, 0.98));
        const double radius = height * random.uniform(0.13, 0.22);
        p.drawEllipse(centre, radius, radius * 0.85);
    }
}

void house(QPainter& p, QRectF body, const QColor& wall, ArtRandom& random) {
    p.setPen(Qt::NoPen);
    p.setBrush(wall);
    p.drawRect(body);
    p.setBrush(QColor(0x8A, 0x3A, 0x24));
    QPainterPath roof;
    roof.moveTo(body.left() - 3, body.top());
    roof.lineTo(body.center().x(), body.top() - body.width() * 0.28);
    roof.lineTo(body.right() + 3, body.top());
    p.drawPath(roof);
    for (double wy = body.top() + 5; wy + 7 < body.bottom(); wy += 12) {
        for (double wx = body.left() + 4; wx + 5 < body.right(); wx += 10) {
            const bool lit = random.uniform(0, 1) < 0.55;
            p.setBrush(lit ? QColor(0xFF, 0xC8, 0x60) : wall.darker(160));
            p.drawRect(QRectF(wx, wy, 4, 6));
        }
    }
}

} // namespace

QImage BackgroundPainter::paint(int scheme) const {
    QImage picture(layout::kScreenWidth, layout::kScreenHeight, QImage::Format_RGB32);
    picture.fill(Qt::black);
    ArtRandom random(kSeedBase + scheme);
    {
        QPainter p(&picture);
        p.setRenderHint(QPainter::Antialiasing);
        const FancyScenePainter fancy;
        switch (scheme) {
        case 1:
            playroom(p, random);
            break;
        case 2:
            forest(p, random);
            break;
        case 3:
            fancy.circulation(p, random);
            break;
        case 4:
            fancy.sweets(p, random);
            break;
        case 5:
            city(p, random);
            break;
        default:
            fancy.ephemeral(p, random);
            break;
        }
    }
    paint_kit::veil(picture, kVeilColour[scheme - 1], kVeilStrength[scheme - 1]);
    return picture;
}

void BackgroundPainter::playroom(QPainter& p, ArtRandom& random) const {
    // Striped wallpaper with little stars, a skirting board and a plank floor.
    paint_kit::verticalGradient(p, QRectF(0, 0, kWidth, 380),
                                {QColor(0x6C, 0x9C, 0xC8), QColor(0x8A, 0xB4, 0xD8)});
    p.setPen(Qt::NoPen);
    for (double x = 0; x < kWidth; x += 40)
        p.fillRect(QRectF(x, 0, 18, 380), QColor(255, 255, 255, 28));
    for (int i = 0; i < 70; ++i) {
        const QPointF at(random.uniform(0, kWidth), random.uniform(60, 370));
        p.setBrush(QColor(255, 250, 210, 70));
        p.drawPath(paint_kit::star(at, 5, 2.2, 5, random.uniform(0, 70)));
    }
    p.fillRect(QRectF(0, 370, kWidth, 12), QColor(0xF0, 0xE6, 0xD2));
    paint_kit::verticalGradient(p, QRectF(0, 382, kWidth, 98),
                                {QColor(0xB8, 0x7A, 0x48), QColor(0x8A, 0x54, 0x2C)});
    p.setPen(QPen(QColor(0x70, 0x42, 0x20), 1.5));
    for (double y = 392; y < kHeight; y += 14)
        p.drawLine(QPointF(0, y), QPointF(kWidth, y));
    // A window with sky and curtains.
    p.setPen(QPen(QColor(0xF4, 0xF0, 0xE8), 6));
    paint_kit::verticalGradient(p, QRectF(34, 52, 120, 110),
                                {QColor(0x60, 0xA8, 0xF0), QColor(0xC8, 0xE8, 0xFF)});
    p.setBrush(Qt::NoBrush);
    p.drawRect(QRectF(34, 52, 120, 110));
    p.drawLine(QPointF(94, 52), QPointF(94, 162));
    p.drawLine(QPointF(34, 107), QPointF(154, 107));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 255, 255, 220));
    p.drawPath(paint_kit::cloud(QPointF(70, 90), 46, 20));
    p.setBrush(QColor(0xE0, 0x50, 0x60));
    p.drawRoundedRect(QRectF(18, 44, 26, 134), 8, 8);
    p.drawRoundedRect(QRectF(144, 44, 26, 134), 8, 8);
    // Bunting across the top of the room.
    const QColor flags[] = {QColor(0xF0, 0x50, 0x50), QColor(0xFF, 0xC8, 0x30),
                            QColor(0x50, 0xC0, 0x70), QColor(0x60, 0x80, 0xF0),
                            QColor(0xC0, 0x60, 0xE0)};
    p.setPen(QPen(QColor(0xF8, 0xF4, 0xE0), 1.5));
    for (int i = 0; i < 24; ++i) {
        const double x = 8 + i * 27;
        const double sag = 16 * std::sin(std::fmod(x, 320.0) / 320.0 * std::numbers::pi);
        QPainterPath flag;
        flag.moveTo(x, 12 + sag);
        flag.lineTo(x + 22, 12 + sag);
        flag.lineTo(x + 11, 36 + sag);
        flag.closeSubpath();
        p.setBrush(flags[i % 5]);
        p.drawPath(flag);
    }
    // Toys: a big ball, a stack of blocks, a rocking horse by the wall.
    QRadialGradient ball(QPointF(590, 340), 40);
    ball.setColorAt(0, QColor(0xFF, 0x90, 0x90));
    ball.setColorAt(1, QColor(0xC0, 0x20, 0x30));
    p.setPen(Qt::NoPen);
    p.setBrush(ball);
    p.drawEllipse(QPointF(600, 352), 30, 30);
    p.setPen(QPen(QColor(0xFF, 0xF0, 0xA0), 6));
    p.setBrush(Qt::NoBrush);
    p.drawArc(QRectF(570, 322, 60, 60), 30 * 16, 120 * 16);
    toyBlock(p, QRectF(20, 330, 40, 40), QColor(0xE8, 0x60, 0x40));
    toyBlock(p, QRectF(62, 330, 40, 40), QColor(0x50, 0x90, 0xE0));
    toyBlock(p, QRectF(40, 288, 40, 40), QColor(0xF0, 0xC0, 0x30));
    toyBlock(p, QRectF(250, 150, 36, 36), QColor(0x60, 0xC0, 0x70));
    toyBlock(p, QRectF(430, 250, 36, 36), QColor(0xC0, 0x70, 0xD0));
    // A kite pinned to the wall.
    p.setPen(QPen(QColor(0xF8, 0xF0, 0xD0), 1.5));
    p.setBrush(QColor(0xFF, 0xA0, 0x30));
    QPainterPath kite;
    kite.moveTo(520, 50);
    kite.lineTo(548, 84);
    kite.lineTo(520, 140);
    kite.lineTo(492, 84);
    kite.closeSubpath();
    p.drawPath(kite);
    p.setBrush(Qt::NoBrush);
    QPainterPath string;
    string.moveTo(520, 140);
    string.cubicTo(500, 170, 545, 190, 520, 240);
    p.drawPath(string);
}

void BackgroundPainter::forest(QPainter& p, ArtRandom& random) const {
    paint_kit::verticalGradient(
        p, QRectF(0, 0, kWidth, kHeight),
        {QColor(0xE8, 0xE0, 0xA0), QColor(0x90, 0xC0, 0x80), QColor(0x40, 0x70, 0x48)});
    // Light falling through the leaves.
    p.setPen(Qt::NoPen);
    for (int i = 0; i < 5; ++i) {
        QPainterPath ray;
        const double x = 120 + i * 110;
        ray.moveTo(x, 0);
        ray.lineTo(x + 40, 0);
        ray.lineTo(x - 60, 460);
        ray.lineTo(x - 130, 460);
        ray.closeSubpath();
        p.setBrush(QColor(255, 250, 200, 26));
        p.drawPath(ray);
    }
    // Three layers of trees, the far ones pale in the mist.
    const struct {
        int count;
        double height;
        QColor trunk;
        QColor leaves;
    } layers[] = {{9, 300, QColor(0x80, 0xA0, 0x88), QColor(0x88, 0xB4, 0x8C)},
                  {7, 380, QColor(0x5A, 0x6A, 0x4A), QColor(0x4E, 0x84, 0x50)},
                  {5, 470, QColor(0x4A, 0x32, 0x20), QColor(0x2E, 0x5C, 0x30)}};
    for (const auto& layer : layers) {
        for (int i = 0; i < layer.count; ++i) {
            const double x = (i + random.uniform(0.1, 0.9)) * kWidth / layer.count;
            tree(p, x, 460, layer.height * random.uniform(0.85, 1.05), layer.trunk, layer.leaves,
                 random);
        }
    }
    // Grass, ferns and mushrooms on the forest floor.
    paint_kit::verticalGradient(p, QRectF(0, 370, kWidth, 110),
                                {QColor(0x4C, 0x80, 0x3C), QColor(0x2A, 0x4C, 0x22)});
    p.setPen(QPen(QColor(0x6C, 0xA8, 0x50), 2, Qt::SolidLine, Qt::RoundCap));
    for (int i = 0; i < 260; ++i) {
        const double x = random.uniform(0, kWidth);
        const double y = random.uniform(372, 478);
        p.drawLine(QPointF(x, y), QPointF(x + random.uniform(-4, 4), y - random.uniform(5, 12)));
    }
    for (const double x : {30.0, 150.0, 470.0, 610.0}) {
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(0xF0, 0xE8, 0xD8));
        p.drawRect(QRectF(x - 3, 360, 6, 14));
        p.setBrush(QColor(0xD0, 0x40, 0x30));
        p.drawChord(QRectF(x - 13, 350, 26, 20), 0, 180 * 16);
        p.setBrush(QColor(255, 255, 255));
        p.drawEllipse(QPointF(x - 5, 355), 2, 2);
        p.drawEllipse(QPointF(x + 5, 356), 1.6, 1.6);
    }
}

void BackgroundPainter::city(QPainter& p, ArtRandom& random) const {
    // Dusk over the sea, with the town climbing its hill and the great arch of the viaduct.
    paint_kit::verticalGradient(p, QRectF(0, 0, kWidth, 300),
                                {QColor(0x20, 0x1C, 0x50), QColor(0x6A, 0x38, 0x78),
                                 QColor(0xE8, 0x78, 0x58), QColor(0xFF, 0xC0, 0x70)});
    p.setPen(Qt::NoPen);
    for (int i = 0; i < 50; ++i) {
        p.setBrush(QColor(255, 255, 230, random.between(60, 200)));
        const double r = random.uniform(0.6, 1.4);
        p.drawEllipse(QPointF(random.uniform(0, kWidth), random.uniform(0, 120)), r, r);
    }
    QRadialGradient sun(QPointF(470, 292), 60);
    sun.setColorAt(0, QColor(0xFF, 0xF0, 0xB0));
    sun.setColorAt(0.5, QColor(0xFF, 0xA8, 0x50));
    sun.setColorAt(1, QColor(0xFF, 0xA8, 0x50, 0));
    p.setBrush(sun);
    p.drawEllipse(QPointF(470, 292), 60, 60);
    paint_kit::verticalGradient(p, QRectF(0, 292, kWidth, 40),
                                {QColor(0xC0, 0x68, 0x70), QColor(0x50, 0x38, 0x70)});
    // The hill and its houses, from the top of the town down.
    p.setBrush(QColor(0x3A, 0x2A, 0x48));
    QPainterPath hill;
    hill.moveTo(0, 480);
    hill.lineTo(0, 190);
    hill.cubicTo(120, 150, 240, 170, 330, 240);
    hill.cubicTo(380, 280, 420, 300, 440, 330);
    hill.lineTo(440, 480);
    hill.closeSubpath();
    p.drawPath(hill);
    const QColor walls[] = {QColor(0xD8, 0xB8, 0x90), QColor(0xE8, 0xD0, 0xB0),
                            QColor(0xC8, 0x98, 0x78), QColor(0xE0, 0xC8, 0x98)};
    for (int row = 0; row < 7; ++row) {
        const double y = 190 + row * 36;
        for (double x = -10 + (row % 2) * 20; x < 340 + row * 16; x += random.uniform(34, 48)) {
            const double w = random.uniform(24, 38);
            const double h = random.uniform(26, 40);
            if (y + 20 < 160 + x * 0.25 + (x > 250 ? (x - 250) * 0.8 : 0)) continue;
            house(p, QRectF(x, y - h + 34, w, h), walls[random.between(0, 3)], random);
        }
    }
    // The cathedral's bell tower and dome above the roofs.
    p.setBrush(QColor(0xE8, 0xD4, 0xB0));
    p.drawRect(QRectF(150, 110, 26, 80));
    p.setBrush(QColor(0x8A, 0x3A, 0x24));
    QPainterPath spire;
    spire.moveTo(146, 112);
    spire.lineTo(163, 78);
    spire.lineTo(180, 112);
    p.drawPath(spire);
    p.setBrush(QColor(0x30, 0x24, 0x30));
    p.drawRoundedRect(QRectF(157, 124, 12, 18), 6, 6);
    p.setBrush(QColor(0xD0, 0xBC, 0x98));
    p.drawChord(QRectF(196, 128, 60, 60), 0, 180 * 16);
    p.drawRect(QRectF(196, 158, 60, 34));
    // The single great arch of the viaduct over the valley.
    p.setBrush(QColor(0xB8, 0xB0, 0xB8));
    p.drawRect(QRectF(300, 318, 340, 12));
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(0xB8, 0xB0, 0xB8), 9));
    p.drawArc(QRectF(340, 330, 260, 260), 20 * 16, 140 * 16);
    p.setPen(QPen(QColor(0xB8, 0xB0, 0xB8), 4));
    for (double x = 360; x <= 580; x += 22) {
        const double dx = (x - 470) / 130.0;
        const double archY = 460 - 130 * std::sqrt(std::max(0.0, 1 - dx * dx));
        p.drawLine(QPointF(x, 330), QPointF(x, archY));
    }
    paint_kit::verticalGradient(
        p, QRectF(440, 332, 200, 148),
        {paint_kit::withAlpha(QColor(0x30, 0x28, 0x50), 200), QColor(0x20, 0x1C, 0x38)});
}

} // namespace artgen
