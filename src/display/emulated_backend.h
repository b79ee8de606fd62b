#pragma once

#include "display/display_backend.h"

namespace vorlin {

// For desktops where the screen mode cannot really change (Wayland, no X11, no 640 x 480 mode):
// every sensible mode is accepted and remembered, and the window shows the game scaled on the
// whole screen instead.
class EmulatedBackend : public DisplayBackend {
  public:
    // desktop: the screen's real size and depth, reported until another mode is applied.
    explicit EmulatedBackend(const DisplayMode& desktop);

    DisplayMode current() const override;
    int testMode(const DisplayMode& mode, bool changeDepth) override;
    int applyMode(const DisplayMode& mode, bool changeDepth) override;
    bool emulated() const override;

  private:
    DisplayMode current_;
};

} // namespace vorlin
