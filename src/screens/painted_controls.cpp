#include "painted_controls.h"

#include <QMouseEvent>
#include <QPainter>

namespace vorlin {

void ClickableLabel::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        emit clicked();
    QLabel::mouseReleaseEvent(event);
}

ShapeControl::ShapeControl(QWidget* parent, bool filled, QColor colour)
    : QWidget(parent), filled_(filled), colour_(colour) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void ShapeControl::setColour(QColor colour) {
    colour_ = colour;
    update();
}

void ShapeControl::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    if (filled_) {
        painter.fillRect(rect(), colour_);
    } else {
        painter.setPen(colour_);
        painter.drawRect(rect().adjusted(0, 0, -1, -1));
    }
}

LineControl::LineControl(QWidget* parent, QColor colour) : QWidget(parent), colour_(colour) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void LineControl::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), colour_);
}

} // namespace vorlin
