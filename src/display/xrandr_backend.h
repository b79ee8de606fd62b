#pragma once

#include "display/display_backend.h"

#include <memory>

// Xlib's own type, declared here so that users of this header do not get Xlib's macros.
struct _XDisplay;

namespace vorlin {

// The real screen mode switch on X11, through the RandR extension (1.2 or later). It works on
// the monitor (output) that shows the game window, on a connection of its own. The colour depth
// of an X screen cannot change: a request for another depth fails the test.
class XrandrBackend : public DisplayBackend {
  public:
    // Connects to displayName (null: $DISPLAY) and picks the active output that shows the point,
    // else the primary one, else the first active one. Null when there is no X server, no RandR
    // 1.2 or no active output.
    static std::unique_ptr<XrandrBackend> open(const char* displayName, ScreenPoint windowCentre);
    ~XrandrBackend() override;
    XrandrBackend(const XrandrBackend&) = delete;
    XrandrBackend& operator=(const XrandrBackend&) = delete;

    DisplayMode current() const override;
    int testMode(const DisplayMode& mode, bool changeDepth) override;
    // Sets the output to a mode of that size and resizes the X screen to hold it, so that
    // every client sees a screen of the new size. Going back to the size found at start-up
    // also brings back the screen size found then.
    int applyMode(const DisplayMode& mode, bool changeDepth) override;
    bool emulated() const override;

  private:
    struct StartingState {
        unsigned long output;
        unsigned long mode;
        int modeWidth;
        int modeHeight;
        int screenWidth;
        int screenHeight;
        double millimetresPerPixelX;
        double millimetresPerPixelY;
    };

    XrandrBackend(_XDisplay* display, const StartingState& starting);

    // The id of an output mode whose size on screen is width x height; 0 when there is none.
    unsigned long findMode(int width, int height) const;
    int depth() const;

    _XDisplay* display_;
    StartingState starting_;
};

// Picks the backend once at start-up: XRandR when the session is X11, the extension answers and
// the window's output offers 640 x 480; otherwise the emulated one, which starts from desktop.
std::unique_ptr<DisplayBackend> chooseDisplayBackend(bool x11Session, ScreenPoint windowCentre,
                                                     const DisplayMode& desktop);

} // namespace vorlin
