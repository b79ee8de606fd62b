#include "emblem_painter.h"

#include "art_random.h"
#include "background_painter.h"
#include "creature_painter.h"
#include "item_painter.h"
#include "paint_kit.h"
#include "sheet_layout.h"

#include <QFont>
#include <QLinearGradient>
#include <QPainterPath>
#include <QRadialGradient>

namespace artgen {

namespace {

constexpr QSize kAuthorSize(298, 226);
constexpr QSize kStripSize(278, 79);
constexpr int kIconSize = 32;
constexpr std::uint64_t kNightSeed = 0xB010;
constexpr int kNightStars = 170;
// The brightest any pixel of the darkness may be, so it reads as night over anything.
constexpr int kNightBrightest = 44;

void beginPainting(QPainter& p) {
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    p.setRenderHint(QPainter::TextAntialiasing);
}

} // namespace

QImage EmblemPainter::authorPicture(const BackgroundPainter& backgrounds) const {
    QImage picture(kAuthorSize, QImage::Format_RGB32);
    picture.fill(Qt::black);
    QPainter p(&picture);
    beginPainting(p);
    // The forest scene in a golden frame, the creature in front, the game's name above.
    const QRectF window(6, 6, kAuthorSize.width() - 12, kAuthorSize.height() - 12);
    const QImage forest = backgrounds.paint(2);
    p.drawImage(window, forest, QRectF(120, 140, window.width() * 1.2, window.height() * 1.2));
    p.fillRect(window, QColor(0, 0, 0, 60));
    p.save();
    p.translate(60, 60);
    p.scale(2.0, 2.0);
    CreaturePainter().paint(p, CreaturePose{0.125, true, false});
    p.restore();
    ItemPainter items;
    items.paintBananaShape(p, QPointF(58, 178), 44, -20);
    p.save();
    p.translate(244, 180);
    p.scale(1.2, 1.2);
    p.translate(-12.5, -12.5);
    items.paintCrystal(p, 1, 3);
    p.restore();
    QFont font(QStringLiteral("Liberation Sans"));
    font.setPixelSize(46);
    font.setBold(true);
    font.setItalic(true);
    QPainterPath title;
    title.addText(QPointF(0, 0), font, QStringLiteral("Vorlin"));
    const QRectF bounds = title.boundingRect();
    title.translate(kAuthorSize.width() / 2.0 - bounds.center().x(), 54);
    p.setPen(QPen(QColor(0x60, 0x30, 0x08), 6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    p.drawPath(title);
    QLinearGradient gold(0, 14, 0, 56);
    gold.setColorAt(0, QColor(0xFF, 0xF6, 0xA0));
    gold.setColorAt(0.6, QColor(0xFF, 0xC8, 0x20));
    gold.setColorAt(1, QColor(0xE0, 0x80, 0x10));
    p.setPen(Qt::NoPen);
    p.setBrush(gold);
    p.drawPath(title);
    p.setPen(QPen(QColor(0xE8, 0xB0, 0x30), 4));
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(window.adjusted(-2, -2, 2, 2), 8, 8);
    p.setPen(QPen(QColor(0xFF, 0xE8, 0x90), 1.2));
    p.drawRoundedRect(window.adjusted(2, 2, -2, -2), 6, 6);
    return picture;
}

QImage EmblemPainter::recordPanelStrip() const {
    QImage picture(kStripSize, QImage::Format_RGB32);
    picture.fill(Qt::black);
    QPainter p(&picture);
    beginPainting(p);
    // On black: the creature, a banana, a red heart and a daisy.
    p.save();
    p.translate(-8, 0);
    CreaturePainter().paint(p, CreaturePose{0.0, false, false});
    p.restore();
    ItemPainter().paintBananaShape(p, QPointF(128, 44), 42, -12);
    QRadialGradient shine(QPointF(184, 30), 30);
    shine.setColorAt(0, QColor(0xFF, 0x90, 0x90));
    shine.setColorAt(0.5, QColor(0xE8, 0x18, 0x28));
    shine.setColorAt(1, QColor(0xA0, 0x08, 0x18));
    p.setPen(QPen(QColor(0x70, 0x04, 0x10), 1.4));
    p.setBrush(shine);
    p.drawPath(paint_kit::heart(QRectF(164, 22, 40, 38)));
    p.setPen(QPen(QColor(0x40, 0x90, 0x30), 2.4, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(244, 42), QPointF(246, 76));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0x50, 0xA8, 0x40));
    p.drawEllipse(QPointF(252, 66), 7, 3);
    paint_kit::daisy(p, QPointF(244, 36), 24);
    return picture;
}

QImage EmblemPainter::windowIcon() const {
    QImage icon(kIconSize, kIconSize, QImage::Format_ARGB32);
    icon.fill(Qt::transparent);
    QPainter p(&icon);
    beginPainting(p);
    // The head fills the icon: in the creature's frame it spans about x 54..97 and y 0..38.
    p.scale(0.74, 0.74);
    p.translate(-53, 2);
    CreaturePainter().paintHead(p, 0.0, false);
    return icon;
}

QImage EmblemPainter::darkness() const {
    QImage night(layout::kScreenWidth, layout::kScreenHeight, QImage::Format_RGB32);
    {
        QPainter p(&night);
        beginPainting(p);
        paint_kit::verticalGradient(
            p, QRectF(night.rect()),
            {QColor(6, 6, 20), QColor(12, 10, 32), QColor(8, 8, 22), QColor(3, 3, 10)});
        ArtRandom random(kNightSeed);
        p.setPen(Qt::NoPen);
        for (int i = 0; i < kNightStars; ++i) {
            const QPointF at(random.uniform(0, night.width()), random.uniform(0, night.height()));
            const int glow = random.between(18, kNightBrightest);
            p.setBrush(QColor(glow, glow, glow + 8 > 255 ? 255 : glow + 6));
            const double r = random.uniform(0.5, 1.2);
            p.drawEllipse(at, r, r);
        }
    }
    // Clip every channel so no star is brighter than the night allows.
    for (int y = 0; y < night.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(night.scanLine(y));
        for (int x = 0; x < night.width(); ++x) {
            const QRgb c = line[x];
            line[x] = qRgb(std::min(qRed(c), kNightBrightest), std::min(qGreen(c), kNightBrightest),
                           std::min(qBlue(c), kNightBrightest));
        }
    }
    return night;
}

} // namespace artgen
