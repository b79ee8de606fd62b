#pragma once

namespace vorlin {

// The result codes of a screen mode change, as the original platform reports them.
inline constexpr int DISP_CHANGE_SUCCESSFUL = 0;
inline constexpr int DISP_CHANGE_FAILED = -1;
inline constexpr int DISP_CHANGE_BADMODE = -2;

// Window positions and sizes are kept in twips, as the game always did.
inline constexpr int kTwipsPerPixel = 15;

// The screen size the game switches to for full screen: exactly its client area.
inline constexpr int kGameScreenWidth = 640;
inline constexpr int kGameScreenHeight = 480;

// A screen mode: size in pixels and colour depth in bits per pixel.
struct DisplayMode {
    int width = 0;
    int height = 0;
    int depth = 0;

    friend bool operator==(const DisplayMode&, const DisplayMode&) = default;
};

// A point on the screen in pixels, used to pick the monitor that shows the window.
struct ScreenPoint {
    int x = 0;
    int y = 0;
};

// How the game reads and changes the screen mode. Every change is first tested and only then
// applied; both answer one of the DISP_CHANGE codes above.
class DisplayBackend {
  public:
    virtual ~DisplayBackend() = default;

    // The mode of the screen that shows the game window.
    virtual DisplayMode current() const = 0;
    // Whether the mode could be set, without changing anything. The depth is part of the
    // request only when changeDepth is true.
    virtual int testMode(const DisplayMode& mode, bool changeDepth) = 0;
    // Sets the mode.
    virtual int applyMode(const DisplayMode& mode, bool changeDepth) = 0;
    // True when no real mode switch happens: the window then shows itself borderless on the
    // whole screen with the 640 x 480 picture scaled to fit.
    virtual bool emulated() const = 0;
};

} // namespace vorlin
