#pragma once

#include "display/host_window.h"

#include <memory>

class QGraphicsView;
class QGraphicsProxyWidget;
class QWidget;

namespace vorlin {

class Controls;
class DisplayBackend;
class FullScreenToggle;
class KaprelCambiaRisoluzione;
class RestoreAtExit;

// The window's side of the screen mode: the resolution control KaprelCambiaRisoluzione1 on the
// display backend chosen at start-up, and the full-screen toggle of the button Riso1.
class ScreenMode : private HostWindow {
  public:
    // realScreenModes false: the screen is never touched (an emulated backend stands in).
    ScreenMode(QWidget& window, Controls& controls, bool realScreenModes);
    ~ScreenMode() override;

    // The load handler's last steps: the start-up mode goes into the hidden text boxes and the
    // control will put it back when it is destroyed after a change.
    void noteStartupMode();
    void Riso3_();
    // Right before the program ends: the start-up mode back (the toggle's
    // RitornaAllaRisoluzioneOriginaria_), applied once.
    void restoreBeforeExit();
    // The view that shows the window scaled on the whole screen; null when not in use.
    const QWidget* scaledView() const;

  private:
    std::string riso1Caption() const override;
    void setRiso1Caption(const std::string& caption) override;
    std::string resolutionText(ResolutionBox box) const override;
    void setResolutionText(ResolutionBox box, const std::string& text) override;
    WindowTwips windowTwips() const override;
    void moveWindowTwips(int left, int top) override;
    void setFullScreenState(bool on) override;
    // Where the screen mode cannot really change, full screen shows the 640 x 480 window
    // scaled to fit the whole screen, centred, on black.
    void showScaledFullScreen(bool on);

    QWidget& window_;
    Controls& controls_;
    std::unique_ptr<DisplayBackend> backend_;
    std::unique_ptr<KaprelCambiaRisoluzione> KaprelCambiaRisoluzione1;
    std::unique_ptr<FullScreenToggle> toggle_;
    // Ends the control, and so restores the mode, if the program is ended without its window.
    std::unique_ptr<RestoreAtExit> restoreAtExit_;
    std::unique_ptr<QGraphicsView> scaledView_;
    QGraphicsProxyWidget* scaledWindow_ = nullptr;
};

} // namespace vorlin
