#pragma once

#include <QColor>
#include <QPainter>
#include <QPainterPath>
#include <QRectF>

namespace artgen {

class ArtRandom;

// Shapes and fills that several pictures share.
namespace paint_kit {

// The colour with the given opacity, 0..255.
QColor withAlpha(QColor colour, int alpha);
// Fills `area` with a top-to-bottom gradient through the given colours, evenly spaced.
// A gradient from top to bottom through the colours, evenly spaced.
QLinearGradient downwardGradient(double top, double bottom, std::initializer_list<QColor> colours);

void verticalGradient(QPainter& p, const QRectF& area, std::initializer_list<QColor> colours);
// A heart filling `box`, its point at the bottom.
QPainterPath heart(const QRectF& box);
// A puffy cloud: overlapping circles along a flat bottom.
QPainterPath cloud(QPointF bottomCentre, double width, double height);
// A star with `points` tips.
QPainterPath star(QPointF centre, double outer, double inner, int points, double turnDegrees = 0);
// A twinkle: four thin rays around a bright point.
void twinkle(QPainter& p, QPointF centre, double size, const QColor& colour);
// A daisy seen from the front.
void daisy(QPainter& p, QPointF centre, double radius);
// A shiny soap bubble with a rainbow rim.
void bubble(QPainter& p, QPointF centre, double radius, int alpha);
// A lollipop: a swirl disc on a stick.
void lollipop(QPainter& p, QPointF centre, double radius, const QColor& swirl, double stick);
// Lays a translucent veil over the whole picture so the sprites stand out against it.
void veil(QImage& picture, const QColor& colour, double strength);

} // namespace paint_kit

} // namespace artgen
