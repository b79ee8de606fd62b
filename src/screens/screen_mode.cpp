#include "screen_mode.h"

#include "controls.h"
#include "display/emulated_backend.h"
#include "display/full_screen_toggle.h"
#include "display/kaprel_cambia_risoluzione.h"
#include "display/restore_at_exit.h"
#include "display/xrandr_backend.h"

#include <QGraphicsProxyWidget>
#include <QGraphicsScene>
#include <QGraphicsView>
#include <QGuiApplication>
#include <QPushButton>
#include <QScreen>
#include <QWidget>

#include <algorithm>
#include <cmath>

namespace vorlin {

namespace {

DisplayMode desktopMode() {
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (!screen) return {640, 480, 24};
    const QSize size = screen->size() * screen->devicePixelRatio();
    return {size.width(), size.height(), screen->depth()};
}

const char* boxName(ResolutionBox box) {
    switch (box) {
    case ResolutionBox::txtRisoluzioneX:
        return "txtRisoluzioneX";
    case ResolutionBox::txtRisoluzioneY:
        return "txtRisoluzioneY";
    case ResolutionBox::txtRisoluzioneZ:
        return "txtRisoluzioneZ";
    }
    return "";
}

} // namespace

ScreenMode::ScreenMode(QWidget& window, Controls& controls, bool realScreenModes)
    : window_(window), controls_(controls) {
    const DisplayMode desktop = desktopMode();
    if (realScreenModes) {
        const QScreen* screen = QGuiApplication::primaryScreen();
        const QPoint centre = screen ? screen->geometry().center() : QPoint();
        backend_ = chooseDisplayBackend(QGuiApplication::platformName() == QLatin1String("xcb"),
                                        {centre.x(), centre.y()}, desktop);
    } else {
        backend_ = std::make_unique<EmulatedBackend>(desktop);
    }
    KaprelCambiaRisoluzione1 = std::make_unique<KaprelCambiaRisoluzione>(*backend_);
    HostWindow& host = *this;
    toggle_ = std::make_unique<FullScreenToggle>(host, *KaprelCambiaRisoluzione1);
    // A broken display connection ends the program through exit(), past every destructor.
    restoreAtExit_ = std::make_unique<RestoreAtExit>([this] { KaprelCambiaRisoluzione1.reset(); });
}

// The control goes first: with AutoReset on it puts the start-up mode back as it is destroyed.
ScreenMode::~ScreenMode() {
    restoreAtExit_.reset();
    // The window must not go down with the scaled view that holds it.
    if (scaledWindow_) scaledWindow_->setWidget(nullptr);
    toggle_.reset();
    KaprelCambiaRisoluzione1.reset();
}

const QWidget* ScreenMode::scaledView() const {
    return scaledView_.get();
}

void ScreenMode::noteStartupMode() {
    toggle_->noteStartupMode();
}
void ScreenMode::Riso3_() {
    toggle_->Riso3_();
}
void ScreenMode::restoreBeforeExit() {
    toggle_->restoreBeforeExit();
}

std::string ScreenMode::riso1Caption() const {
    return controls_.caption("Riso1").toStdString();
}

void ScreenMode::setRiso1Caption(const std::string& caption) {
    controls_.setCaption("Riso1", QString::fromStdString(caption));
}

std::string ScreenMode::resolutionText(ResolutionBox box) const {
    return controls_.caption(boxName(box)).toStdString();
}

void ScreenMode::setResolutionText(ResolutionBox box, const std::string& text) {
    controls_.setCaption(boxName(box), QString::fromStdString(text));
}

WindowTwips ScreenMode::windowTwips() const {
    const QRect outer = window_.frameGeometry();
    return {outer.x() * kTwipsPerPixel, outer.y() * kTwipsPerPixel, outer.width() * kTwipsPerPixel,
            outer.height() * kTwipsPerPixel};
}

void ScreenMode::moveWindowTwips(int left, int top) {
    window_.move(static_cast<int>(std::lround(left / static_cast<double>(kTwipsPerPixel))),
                 static_cast<int>(std::lround(top / static_cast<double>(kTwipsPerPixel))));
}

void ScreenMode::setFullScreenState(bool on) {
    if (backend_->emulated()) {
        showScaledFullScreen(on);
        return;
    }
    if (on == window_.isFullScreen()) return;
    window_.setWindowState(on ? (window_.windowState() | Qt::WindowFullScreen)
                              : (window_.windowState() & ~Qt::WindowFullScreen));
    if (on) {
        // Without a window manager nothing honours the full-screen state: the client area
        // itself is put on the screen's top-left corner.
        const QPoint clientOffset =
            window_.geometry().topLeft() - window_.frameGeometry().topLeft();
        const QScreen* screen = window_.screen();
        window_.move((screen ? screen->geometry().topLeft() : QPoint()) - clientOffset);
    }
}

void ScreenMode::showScaledFullScreen(bool on) {
    if (on == (scaledView_ != nullptr)) return;
    if (on) {
        scaledView_ = std::make_unique<QGraphicsView>();
        auto* scene = new QGraphicsScene(scaledView_.get());
        scaledView_->setScene(scene);
        scaledView_->setWindowTitle(window_.windowTitle());
        scaledView_->setWindowIcon(window_.windowIcon());
        scaledView_->setBackgroundBrush(Qt::black);
        scaledView_->setFrameShape(QFrame::NoFrame);
        scaledView_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        scaledView_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        scaledWindow_ = scene->addWidget(&window_, Qt::Widget);
        // The whole screen also where no window manager honours the full-screen state.
        const QScreen* shown =
            window_.screen() ? window_.screen() : QGuiApplication::primaryScreen();
        const QRect screen = shown ? shown->geometry() : QRect(0, 0, 640, 480);
        scaledView_->setGeometry(screen);
        scaledView_->showFullScreen();
        const double scale = std::min(screen.width() / double(window_.width()),
                                      screen.height() / double(window_.height()));
        scaledView_->resetTransform();
        scaledView_->scale(scale, scale);
        scaledView_->centerOn(scaledWindow_);
        window_.setFocus();
    } else {
        // The window leaves the scene and is a window of its own again. The view goes once the
        // click that got here (delivered through it) has finished.
        scaledWindow_->setWidget(nullptr);
        scaledWindow_ = nullptr;
        QGraphicsView* view = scaledView_.release();
        view->hide();
        view->deleteLater();
        // Hidden and shown again so that it gets a window on the screen of its own.
        window_.hide();
        window_.show();
    }
}

} // namespace vorlin
