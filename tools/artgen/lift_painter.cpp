#include "lift_painter.h"

#include "paint_kit.h"
#include "sheet_layout.h"

#include <QLinearGradient>

#include <cmath>
#include <numbers>

namespace artgen {

namespace {

constexpr double kWidth = layout::kLiftCellWidth;
constexpr double kHeight = layout::kLiftCellHeight;
constexpr double kDeckHeight = 7;
constexpr double kCabinHeight = 24;
constexpr double kBladeLength = 16;
// Three blades turned by a third of their spacing each frame read as one smooth turn.
constexpr double kTurnPerFrame = 40;
constexpr double kVineLeafSpacing = 22;

} // namespace

void LiftPainter::paintLift(QPainter& p, int scheme, int frame) const {
    static const Style styles[layout::kSchemeCount] = {
        {QColor(0xFF, 0xC8, 0x30),
         QColor(0xE0, 0x40, 0x38),
         QColor(0x40, 0x78, 0xE0),
         {QColor(0xF0, 0x40, 0x40), QColor(0xFF, 0xD0, 0x30), QColor(0x40, 0x90, 0xF0)}},
        {QColor(0xB0, 0x80, 0x48),
         QColor(0xC8, 0x98, 0x58),
         QColor(0x70, 0x48, 0x20),
         {QColor(0x58, 0xB8, 0x40), QColor(0x78, 0xD0, 0x50), QColor(0x48, 0xA0, 0x38)}},
        {QColor(0xFF, 0xB0, 0xC0),
         QColor(0xE0, 0x30, 0x50),
         QColor(0xFF, 0xE0, 0xE8),
         {QColor(0xFF, 0x60, 0x90), QColor(0xFF, 0x90, 0xB0), QColor(0xF0, 0x40, 0x70)}},
        {QColor(0xFF, 0xF0, 0xF4),
         QColor(0xF8, 0x90, 0xC0),
         QColor(0x90, 0x58, 0x30),
         {QColor(0xFF, 0x70, 0xA8), QColor(0x80, 0xD8, 0xF0), QColor(0xFF, 0xE0, 0x60)}},
        {QColor(0xA8, 0xA8, 0xB0),
         QColor(0x40, 0x68, 0x98),
         QColor(0xF0, 0xD8, 0x90),
         {QColor(0xC8, 0xC8, 0xD0), QColor(0xB0, 0xB0, 0xB8), QColor(0xD8, 0xD8, 0xE0)}},
        {QColor(0xFF, 0xFF, 0xFF),
         QColor(0xC8, 0xB8, 0xF8),
         QColor(0xFF, 0xD0, 0xE8),
         {QColor(0xFF, 0xC0, 0xE0), QColor(0xC0, 0xE8, 0xFF), QColor(0xD8, 0xFF, 0xD0)}}};
    const Style& style = styles[scheme - 1];
    const double deckTop = -layout::kLiftDrawOffset[scheme - 1];
    const QPointF hub(kWidth / 2, kHeight - kBladeLength - 1.5);
    // The mast joins the cabin to the propeller's hub.
    p.setPen(QPen(style.trim.darker(140), 1.2));
    p.setBrush(style.trim);
    p.drawRect(QRectF(hub.x() - 3, deckTop + kDeckHeight + kCabinHeight - 2, 6,
                      hub.y() - (deckTop + kDeckHeight + kCabinHeight) + 2));
    paintPropeller(p, scheme, style, hub, (frame - 1) * kTurnPerFrame);
    paintCabin(p, scheme, style, deckTop);
}

void LiftPainter::paintCabin(QPainter& p, int scheme, const Style& style, double deckTop) const {
    const QRectF deck(2, deckTop, kWidth - 4, kDeckHeight);
    const QRectF cabin(10, deck.bottom() - 1, kWidth - 20, kCabinHeight);
    QPainterPath body;
    body.moveTo(cabin.topLeft());
    body.lineTo(cabin.topRight());
    body.lineTo(cabin.right() - 8, cabin.bottom());
    body.lineTo(cabin.left() + 8, cabin.bottom());
    body.closeSubpath();
    p.setPen(QPen(style.cabin.darker(170), 1.5));
    p.setBrush(paint_kit::downwardGradient(cabin.top(), cabin.bottom(),
                                           {style.cabin.lighter(125), style.cabin}));
    p.drawPath(body);
    p.setPen(Qt::NoPen);
    switch (scheme) {
    case 2: // wicker weave
        p.setPen(QPen(style.trim, 1.2));
        for (double y = cabin.top() + 4; y < cabin.bottom() - 2; y += 5)
            p.drawLine(QPointF(cabin.left() + 4 + (y - cabin.top()) * 0.3, y),
                       QPointF(cabin.right() - 4 - (y - cabin.top()) * 0.3, y));
        for (double x = cabin.left() + 8; x < cabin.right() - 6; x += 9)
            p.drawLine(QPointF(x, cabin.top() + 2),
                       QPointF(x + (x < kWidth / 2 ? 3 : -3), cabin.bottom() - 2));
        break;
    case 3: // hearts along the capsule
        p.setBrush(style.trim);
        for (double x = cabin.left() + 14; x < cabin.right() - 14; x += 22)
            p.drawPath(paint_kit::heart(QRectF(x, cabin.top() + 6, 12, 11)));
        break;
    case 4: // a cupcake wrapper
        p.setPen(QPen(style.cabin.darker(130), 3));
        for (double x = cabin.left() + 6; x < cabin.right() - 4; x += 8)
            p.drawLine(QPointF(x, cabin.top() + 2),
                       QPointF(x + (kWidth / 2 - x) * 0.15, cabin.bottom() - 2));
        break;
    default: // windows
        p.setBrush(style.trim);
        for (double x = cabin.left() + 10; x < cabin.right() - 14; x += 20)
            p.drawRoundedRect(QRectF(x, cabin.top() + 5, 13, 11), 3, 3);
    }
    // The deck the rider stands on.
    p.setPen(QPen(style.deck.darker(160), 1.4));
    p.setBrush(paint_kit::downwardGradient(deck.top(), deck.bottom(),
                                           {style.deck.lighter(115), style.deck.darker(115)}));
    if (scheme == 4 || scheme == 6) {
        // Whipped cream or a puff of cloud: rounded lumps along the deck.
        QPainterPath puffs;
        puffs.setFillRule(Qt::WindingFill);
        puffs.addRoundedRect(deck, 3.5, 3.5);
        for (double x = deck.left() + 7; x < deck.right() - 4; x += 13)
            puffs.addEllipse(QPointF(x, deck.top() + 1), 7, 5);
        p.drawPath(puffs.simplified());
    } else {
        p.drawRoundedRect(deck, 3, 3);
    }
    if (scheme == 2) {
        // Rings where the vines are tied.
        p.setPen(QPen(QColor(0x50, 0x30, 0x10), 2));
        p.setBrush(Qt::NoBrush);
        for (const double x : {7.0, kWidth - 7})
            p.drawEllipse(QPointF(x, deck.center().y()), 3, 3);
    }
}

void LiftPainter::paintPropeller(QPainter& p, int scheme, const Style& style, QPointF hub,
                                 double turnDegrees) const {
    for (int blade = 0; blade < 3; ++blade) {
        p.save();
        p.translate(hub);
        p.rotate(turnDegrees + blade * 120);
        p.setPen(QPen(style.blades[blade].darker(160), 1.2));
        p.setBrush(style.blades[blade]);
        if (scheme == 3) {
            p.rotate(90);
            p.drawPath(paint_kit::heart(QRectF(-7, -kBladeLength, 14, 13)).translated(0, 0));
        } else {
            QPainterPath wing;
            wing.moveTo(0, -2);
            wing.cubicTo(kBladeLength * 0.5, -7, kBladeLength, -5, kBladeLength, 0);
            wing.cubicTo(kBladeLength, 3, kBladeLength * 0.5, 4, 0, 2);
            wing.closeSubpath();
            p.drawPath(wing);
        }
        p.restore();
    }
    p.setPen(QPen(style.trim.darker(170), 1.2));
    p.setBrush(style.trim.lighter(110));
    p.drawEllipse(hub, 4, 4);
}

void LiftPainter::paintVine(QPainter& p, double x, double top, double bottom, double phase,
                            bool shaded) const {
    const QColor stem = shaded ? QColor(0x3C, 0x5A, 0x24) : QColor(0x5A, 0x7A, 0x2C);
    const QColor leaf = shaded ? QColor(0x40, 0x80, 0x38) : QColor(0x60, 0xB0, 0x48);
    QPainterPath path;
    path.moveTo(x, top);
    for (double y = top; y <= bottom; y += 4)
        path.lineTo(x + 2.2 * std::sin((y / 30.0) + phase), y);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(stem.darker(150), 4.6, Qt::SolidLine, Qt::RoundCap));
    p.drawPath(path);
    p.setPen(QPen(stem, 3, Qt::SolidLine, Qt::RoundCap));
    p.drawPath(path);
    int side = 0;
    for (double y = top + 10; y < bottom - 14; y += kVineLeafSpacing) {
        const double stemX = x + 2.2 * std::sin((y / 30.0) + phase);
        const double direction = (side++ % 2 == 0) ? 1 : -1;
        p.save();
        p.translate(stemX, y);
        p.rotate(direction * 55);
        p.setPen(QPen(leaf.darker(150), 1));
        p.setBrush(leaf);
        p.drawEllipse(QPointF(0, -6), 3.2, 6.5);
        p.restore();
    }
}

void LiftPainter::paintBackRope(QPainter& p) const {
    // Two vines behind the cabin, down to the bottom of its deck.
    paintVine(p, 34, 0, layout::kBackRopeHeight - 1, 0.8, true);
    paintVine(p, kWidth - 34, 0, layout::kBackRopeHeight - 1, 2.4, true);
}

void LiftPainter::paintFrontRope(QPainter& p) const {
    // Two vines at the cabin's ends, tied to the deck's rings, in front of the rider.
    paintVine(p, 7, 0, layout::kFrontRopeHeight - 24, 0.0, false);
    paintVine(p, kWidth - 7, 0, layout::kFrontRopeHeight - 24, 1.7, false);
}

} // namespace artgen
