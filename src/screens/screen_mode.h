#pragma once

#include "display/host_window.h"
#include "game/picture.h"

#include <functional>
#include <memory>

class QRect;
class QWidget;

namespace vorlin {

class Controls;
class DesktopWindow;
class DisplayBackend;
class FullScreenToggle;
class KaprelCambiaRisoluzione;
class RestoreAtExit;

// The window's side of the screen mode: the resolution control KaprelCambiaRisoluzione1 on the
// display backend chosen at start-up, and the full-screen toggle of the button Riso1.
class ScreenMode : private HostWindow {
  public:
    // realScreenModes false: the screen is never touched (an emulated backend stands in).
    // frame: the game's frame, shown by the desktop window, which calls refreshing at each
    // display refresh.
    ScreenMode(QWidget& window, Controls& controls, const Picture& frame, bool realScreenModes,
               std::function<FrameWrites()> refreshing);
    ~ScreenMode() override;

    // The load handler's last steps: the start-up mode goes into the hidden text boxes and the
    // control will put it back when it is destroyed after a change.
    void noteStartupMode();
    void Riso3_();
    // Right before the program ends: the start-up mode back (the toggle's
    // RitornaAllaRisoluzioneOriginaria_), applied once.
    void restoreBeforeExit();
    // Shows the game on the desktop: the window that scales the form to its own size.
    void showOnDesktop();
    // That window; null until the game is shown on the desktop or goes full screen.
    DesktopWindow* desktopWindow() const { return desktop_.get(); }

  private:
    void setRiso1Caption(Riso1Caption caption) override;
    std::string resolutionText(ResolutionBox box) const override;
    void setResolutionText(ResolutionBox box, const std::string& text) override;
    WindowTwips windowTwips() const override;
    void moveWindowTwips(int left, int top) override;
    void setFullScreenState(bool on) override;
    DesktopWindow& desktop();
    // The window on the screen: the desktop window once there is one, else the form itself.
    QWidget& topWindow() const;

    QWidget& window_;
    Controls& controls_;
    std::unique_ptr<DisplayBackend> backend_;
    std::unique_ptr<KaprelCambiaRisoluzione> KaprelCambiaRisoluzione1;
    std::unique_ptr<FullScreenToggle> toggle_;
    // Ends the control, and so restores the mode, if the program is ended without its window.
    std::unique_ptr<RestoreAtExit> restoreAtExit_;
    const Picture& frame_;
    std::function<FrameWrites()> refreshing_;
    std::unique_ptr<DesktopWindow> desktop_;
};

} // namespace vorlin
