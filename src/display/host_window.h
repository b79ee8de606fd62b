#pragma once

#include <string>

namespace vorlin {

// The hidden text boxes that keep the screen mode found at start-up.
enum class ResolutionBox { txtRisoluzioneX, txtRisoluzioneY, txtRisoluzioneZ };

// What the button Riso1 offers: to go full screen, or back to the window.
enum class Riso1Caption { ATuttoSchermo, InFinestra };

// The window's outer position and size in twips, borders and title bar included.
struct WindowTwips {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
};

// What the full-screen toggle needs from the game window. The window implements it with its
// real controls; tests implement it with a recording fake.
class HostWindow {
  public:
    virtual ~HostWindow() = default;

    // Shows the caption of the button Riso1 in the player's language.
    virtual void setRiso1Caption(Riso1Caption caption) = 0;

    virtual std::string resolutionText(ResolutionBox box) const = 0;
    virtual void setResolutionText(ResolutionBox box, const std::string& text) = 0;

    virtual WindowTwips windowTwips() const = 0;
    virtual void moveWindowTwips(int left, int top) = 0;

    // Puts the window into the platform's full-screen state with its 640 x 480 client area on
    // the whole screen (scaled to fit when the mode switch is only emulated), or takes it out.
    // Without a window manager the state alone does not move a window: the window also puts
    // its client area at the screen's top-left corner.
    virtual void setFullScreenState(bool on) = 0;
};

} // namespace vorlin
