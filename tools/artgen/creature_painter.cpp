#include "creature_painter.h"

#include "creature_colours.h"

#include <QPainterPath>
#include <QRadialGradient>

#include <cmath>
#include <numbers>

namespace artgen {

namespace {

using namespace creature_colours;

constexpr double kTwoPi = 2.0 * std::numbers::pi;
constexpr double kOutlineWidth = 1.6;
constexpr double kBodyCentreX = 68.0;
constexpr double kHipY = 60.0;
constexpr double kFootY = 74.0;
constexpr double kStepReach = 8.0; // how far a foot swings forward and back
constexpr double kStepLift = 4.0;
constexpr double kBobDepth = 1.6;
constexpr double kArmSwing = 5.0;
constexpr double kTailSway = 2.2;
constexpr int kTailSamples = 160;
constexpr double kTailBaseWidth = 6.5;
constexpr double kTailTipWidth = 2.2;
constexpr int kTailRings = 9;

QPen outlinePen(double width = kOutlineWidth) {
    return QPen(kOutline, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
}

QPointF quadratic(QPointF a, QPointF control, QPointF b, double t) {
    return (1 - t) * (1 - t) * a + 2 * (1 - t) * t * control + t * t * b;
}

} // namespace

std::vector<QPointF> CreaturePainter::tailSpine(double sway, double bob) {
    // From the back of the body down and to the left, then up the left side into a curl.
    const QPointF base(kBodyCentreX - 12, 56 + bob);
    const QPointF curlCentre(25 + sway, 36 - 0.6 * sway + bob * 0.5);
    constexpr double kCurlStartRadius = 20.0;
    constexpr double kCurlEndRadius = 4.5;
    constexpr double kCurlTurns = 1.3;
    const double startAngle = std::numbers::pi / 2;
    const QPointF curlStart = curlCentre + QPointF(0, kCurlStartRadius);
    const QPointF bend(44 + sway * 0.5, 66 + bob);

    std::vector<QPointF> spine;
    constexpr int kBaseSamples = kTailSamples / 4;
    for (int i = 0; i < kBaseSamples; ++i)
        spine.push_back(quadratic(base, bend, curlStart, double(i) / kBaseSamples));
    constexpr int kCurlSamples = kTailSamples - kBaseSamples;
    for (int i = 0; i <= kCurlSamples; ++i) {
        const double t = double(i) / kCurlSamples;
        const double angle = startAngle + t * kCurlTurns * kTwoPi;
        const double radius = kCurlStartRadius + (kCurlEndRadius - kCurlStartRadius) * t;
        spine.push_back(curlCentre + radius * QPointF(std::cos(angle), std::sin(angle)));
    }
    return spine;
}

void CreaturePainter::paintTail(QPainter& p, double sway, double bob) const {
    const std::vector<QPointF> spine = tailSpine(sway, bob);
    const auto widthAt = [&](std::size_t i) {
        const double t = double(i) / double(spine.size() - 1);
        return kTailBaseWidth + (kTailTipWidth - kTailBaseWidth) * t;
    };
    p.setPen(Qt::NoPen);
    // Outline first, as slightly larger discs along the spine, then the fur over it.
    p.setBrush(kOutline);
    for (std::size_t i = 0; i < spine.size(); ++i) {
        const double r = widthAt(i) / 2 + kOutlineWidth * 0.7;
        p.drawEllipse(spine[i], r, r);
    }
    for (std::size_t i = 0; i < spine.size(); ++i) {
        const double t = double(i) / double(spine.size() - 1);
        const bool ring = std::fmod(t * kTailRings * 2, 2.0) > 1.45;
        p.setBrush(ring ? kTailRing : kFur);
        const double r = widthAt(i) / 2;
        p.drawEllipse(spine[i], r, r);
    }
}

void CreaturePainter::paintLeg(QPainter& p, const Limb& leg, bool far) const {
    const QColor fur = far ? kFurShade : kFur;
    p.setPen(QPen(kOutline, 7.4, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(leg.root, leg.end);
    p.setPen(QPen(fur, 4.6, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(leg.root, leg.end);
    // The foot points forward, to the right.
    const QRectF foot(leg.end.x() - 4, leg.end.y() - 1.5, 12, 5.5);
    p.setPen(outlinePen());
    p.setBrush(far ? kFurShade.darker(108) : kFurShade);
    p.drawRoundedRect(foot, 2.8, 2.8);
}

void CreaturePainter::paintArm(QPainter& p, const Limb& arm, bool far) const {
    p.setPen(QPen(kOutline, 5.8, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(arm.root, arm.end);
    p.setPen(QPen(far ? kFurShade : kFur, 3.4, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(arm.root, arm.end);
    p.setPen(outlinePen(1.2));
    p.setBrush(far ? kFurShade : kFurLight);
    p.drawEllipse(arm.end, 2.6, 2.6);
}

void CreaturePainter::paintBody(QPainter& p, double bob) const {
    // A pear-shaped body, wider at the hips.
    QPainterPath body;
    body.moveTo(kBodyCentreX + 2, 34 + bob);
    body.cubicTo(kBodyCentreX + 16, 36 + bob, kBodyCentreX + 15, 62 + bob, kBodyCentreX + 4,
                 64 + bob);
    body.cubicTo(kBodyCentreX - 4, 66 + bob, kBodyCentreX - 16, 64 + bob, kBodyCentreX - 15,
                 52 + bob);
    body.cubicTo(kBodyCentreX - 14, 40 + bob, kBodyCentreX - 8, 33 + bob, kBodyCentreX + 2,
                 34 + bob);
    QRadialGradient shade(QPointF(kBodyCentreX + 5, 42 + bob), 26);
    shade.setColorAt(0, kFurLight);
    shade.setColorAt(0.45, kFur);
    shade.setColorAt(1, kFurShade);
    p.setPen(outlinePen());
    p.setBrush(shade);
    p.drawPath(body);
    // The cream belly on the front.
    p.setPen(Qt::NoPen);
    p.setBrush(kBelly);
    p.drawEllipse(QPointF(kBodyCentreX + 5, 52 + bob), 7, 10);
}

void CreaturePainter::paintHead(QPainter& p, double bob, bool eyesClosed) const {
    const QPointF centre(kBodyCentreX + 3, 22 + bob);
    // Ears behind the head.
    for (const auto& [dx, dy, tilt] : {std::tuple{-9.0, -12.0, -25.0}, {2.0, -14.0, 10.0}}) {
        p.save();
        p.translate(centre + QPointF(dx, dy));
        p.rotate(tilt);
        p.setPen(outlinePen());
        p.setBrush(kFurShade);
        p.drawEllipse(QPointF(0, 0), 5.5, 7.5);
        p.setPen(Qt::NoPen);
        p.setBrush(kEarInside);
        p.drawEllipse(QPointF(0, 0.8), 3, 4.8);
        p.restore();
    }
    QRadialGradient shade(centre + QPointF(4, -5), 20);
    shade.setColorAt(0, kFurLight);
    shade.setColorAt(0.5, kFur);
    shade.setColorAt(1, kFurShade);
    p.setPen(outlinePen());
    p.setBrush(shade);
    QPainterPath head;
    head.addEllipse(centre, 14, 13);
    QPainterPath muzzle;
    muzzle.addEllipse(centre + QPointF(11, 5), 8, 6);
    p.drawPath(head.united(muzzle));
    p.setPen(Qt::NoPen);
    p.setBrush(kBelly);
    p.drawEllipse(centre + QPointF(12, 6), 5.5, 4);
    // Nose, cheek, smile.
    p.setBrush(kPupil.lighter(250));
    p.drawEllipse(centre + QPointF(18.2, 3.2), 2.4, 1.9);
    p.setBrush(QColor(kCheek.red(), kCheek.green(), kCheek.blue(), 150));
    p.drawEllipse(centre + QPointF(2, 7), 3.4, 2.4);
    p.setPen(QPen(kMouth, 1.2, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    QPainterPath smile;
    smile.moveTo(centre + QPointF(10, 8.5));
    smile.quadTo(centre + QPointF(14, 11.5), centre + QPointF(17.5, 7.5));
    p.drawPath(smile);
    // The big eye looks forward.
    const QPointF eye = centre + QPointF(7, -2);
    if (eyesClosed) {
        p.setPen(QPen(kOutline, 1.6, Qt::SolidLine, Qt::RoundCap));
        QPainterPath lid;
        lid.moveTo(eye + QPointF(-4, 0));
        lid.quadTo(eye + QPointF(0, 3), eye + QPointF(4, 0));
        p.drawPath(lid);
        return;
    }
    p.setPen(outlinePen(1.2));
    p.setBrush(kEyeWhite);
    p.drawEllipse(eye, 4.6, 5.6);
    p.setPen(Qt::NoPen);
    p.setBrush(kPupil);
    p.drawEllipse(eye + QPointF(1.6, 0.6), 2.6, 3.4);
    p.setBrush(kEyeWhite);
    p.drawEllipse(eye + QPointF(2.4, -1.0), 1.0, 1.1);
}

void CreaturePainter::paint(QPainter& p, const CreaturePose& pose) const {
    const double phase = pose.stride * kTwoPi;
    const double swing = pose.walking ? std::sin(phase) : 0.0;
    const double bob = pose.walking ? kBobDepth * std::abs(swing) : 0.0;
    const double sway = pose.walking ? kTailSway * std::cos(phase) : 0.0;
    const auto lift = [&](double legPhase) {
        return pose.walking ? kStepLift * std::max(0.0, std::cos(legPhase)) : 0.0;
    };
    const double nearReach = pose.walking ? kStepReach * swing : 2.5;
    const double farReach = pose.walking ? -kStepReach * swing : -2.5;

    const Limb farLeg{{kBodyCentreX - 5, kHipY + bob},
                      {kBodyCentreX - 5 + farReach, kFootY - lift(phase + std::numbers::pi)}};
    const Limb nearLeg{{kBodyCentreX + 2, kHipY + bob},
                       {kBodyCentreX + 2 + nearReach, kFootY - lift(phase)}};
    const double armSwing = pose.walking ? kArmSwing * swing : 0.0;
    const Limb farArm{{kBodyCentreX + 8, 40 + bob}, {kBodyCentreX + 14 + armSwing, 47 + bob}};
    const Limb nearArm{{kBodyCentreX + 6, 42 + bob}, {kBodyCentreX + 12 - armSwing, 50 + bob}};

    paintTail(p, sway, bob);
    paintLeg(p, farLeg, true);
    paintArm(p, farArm, true);
    paintBody(p, bob);
    paintLeg(p, nearLeg, false);
    paintHead(p, bob, pose.eyesClosed);
    paintArm(p, nearArm, false);
}

} // namespace artgen
