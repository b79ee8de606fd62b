#include "screen_mode.h"

#include "controls.h"
#include "desktop/desktop_window.h"
#include "display/emulated_backend.h"
#include "display/full_screen_toggle.h"
#include "display/guarded_backend.h"
#include "display/kaprel_cambia_risoluzione.h"
#include "display/restore_at_exit.h"
#include "display/xrandr_backend.h"

#include <QGuiApplication>
#include <QPushButton>
#include <QScreen>
#include <QWidget>

#include <algorithm>
#include <cmath>

namespace vorlin {

namespace {

// The running program's own file, whatever name it was started by.
constexpr const char* kOwnExecutable = "/proc/self/exe";

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

ScreenMode::ScreenMode(QWidget& window, Controls& controls, const Picture& frame,
                       bool realScreenModes, std::function<FrameWrites()> refreshing)
    : window_(window), controls_(controls), frame_(frame), refreshing_(std::move(refreshing)) {
    const DisplayMode desktop = desktopMode();
    if (realScreenModes) {
        const QScreen* screen = QGuiApplication::primaryScreen();
        const QPoint centre = screen ? screen->geometry().center() : QPoint();
        const ScreenPoint point{centre.x(), centre.y()};
        backend_ = chooseDisplayBackend(QGuiApplication::platformName() == QLatin1String("xcb"),
                                        point, desktop);
        // A real switch is watched over by a guardian process started from this very program,
        // which puts the start-up mode back however the game ends.
        if (!backend_->emulated())
            backend_ = std::make_unique<GuardedBackend>(
                std::move(backend_), [point](const DisplayMode& startup) {
                    return ModeGuardian::start(kOwnExecutable, {startup, point});
                });
    } else {
        backend_ = std::make_unique<EmulatedBackend>(desktop);
    }
    KaprelCambiaRisoluzione1 = std::make_unique<KaprelCambiaRisoluzione>(*backend_);
    HostWindow& host = *this;
    toggle_ = std::make_unique<FullScreenToggle>(host, *KaprelCambiaRisoluzione1);
    // A broken display connection ends the program through exit(), past every destructor: the
    // control puts the mode back, then the screen-mode guardian is told goodbye and waited for.
    restoreAtExit_ = std::make_unique<RestoreAtExit>([this] {
        KaprelCambiaRisoluzione1.reset();
        toggle_.reset();
        backend_.reset();
    });
}

// The control goes first: with AutoReset on it puts the start-up mode back as it is destroyed.
// The desktop window gives the form back as it goes.
ScreenMode::~ScreenMode() {
    restoreAtExit_.reset();
    toggle_.reset();
    KaprelCambiaRisoluzione1.reset();
    desktop_.reset();
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

void ScreenMode::setRiso1Caption(Riso1Caption caption) {
    controls_.setCaption(
        "Riso1", caption == Riso1Caption::InFinestra
                     ? translatedCaption(QT_TRANSLATE_NOOP("Controls", "In &finestra"))
                     : translatedCaption(QT_TRANSLATE_NOOP("Controls", "A tutto &schermo")));
}

std::string ScreenMode::resolutionText(ResolutionBox box) const {
    return controls_.caption(boxName(box)).toStdString();
}

void ScreenMode::setResolutionText(ResolutionBox box, const std::string& text) {
    controls_.setCaption(boxName(box), QString::fromStdString(text));
}

WindowTwips ScreenMode::windowTwips() const {
    const QRect outer = topWindow().frameGeometry();
    return {outer.x() * kTwipsPerPixel, outer.y() * kTwipsPerPixel, outer.width() * kTwipsPerPixel,
            outer.height() * kTwipsPerPixel};
}

void ScreenMode::moveWindowTwips(int left, int top) {
    topWindow().move(static_cast<int>(std::lround(left / static_cast<double>(kTwipsPerPixel))),
                     static_cast<int>(std::lround(top / static_cast<double>(kTwipsPerPixel))));
}

void ScreenMode::showOnDesktop() {
    desktop().show();
}

DesktopWindow& ScreenMode::desktop() {
    if (!desktop_) desktop_ = std::make_unique<DesktopWindow>(window_, frame_, refreshing_);
    return *desktop_;
}

QWidget& ScreenMode::topWindow() const {
    return desktop_ ? static_cast<QWidget&>(*desktop_) : window_;
}

void ScreenMode::setFullScreenState(bool on) {
    DesktopWindow& shown = desktop();
    const QScreen* screen = shown.screen() ? shown.screen() : QGuiApplication::primaryScreen();
    const QRect whole =
        screen ? screen->geometry() : QRect(0, 0, kGameScreenWidth, kGameScreenHeight);
    // Where the mode really changed, the client area fills the 640 x 480 screen from its
    // corner; elsewhere the picture is scaled to fit the whole screen, centred on black.
    const QRect area = backend_->emulated()
                           ? whole
                           : QRect(whole.topLeft(), QSize(kGameScreenWidth, kGameScreenHeight));
    shown.setFullScreen(on, area);
    shown.show();
    if (on) window_.setFocus();
}

} // namespace vorlin
