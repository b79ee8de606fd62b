#include "caret_rest.h"

#include <QEvent>
#include <QGuiApplication>
#include <QStyleHints>

namespace vorlin {

CaretRest::CaretRest(int restMs) : blinkMs_(QGuiApplication::styleHints()->cursorFlashTime()) {
    rest_.setSingleShot(true);
    rest_.setInterval(restMs);
    // A flash time of 0 shows the caret steadily.
    connect(&rest_, &QTimer::timeout, this,
            [] { QGuiApplication::styleHints()->setCursorFlashTime(0); });
    qApp->installEventFilter(this);
    rest_.start();
}

CaretRest::~CaretRest() {
    QGuiApplication::styleHints()->setCursorFlashTime(blinkMs_);
}

bool CaretRest::eventFilter(QObject*, QEvent* event) {
    switch (event->type()) {
    case QEvent::KeyPress:
    case QEvent::MouseButtonPress:
    case QEvent::FocusIn:
        blink();
        break;
    default:
        break;
    }
    return false;
}

void CaretRest::blink() {
    if (QGuiApplication::styleHints()->cursorFlashTime() != blinkMs_)
        QGuiApplication::styleHints()->setCursorFlashTime(blinkMs_);
    rest_.start();
}

} // namespace vorlin
