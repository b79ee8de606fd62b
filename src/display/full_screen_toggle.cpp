#include "display/full_screen_toggle.h"

#include "display/number_text.h"

#include <string>

namespace vorlin {

namespace {

constexpr int kClientWidthTwips = kGameScreenWidth * kTwipsPerPixel;
constexpr int kClientHeightTwips = kGameScreenHeight * kTwipsPerPixel;
// The window's right and bottom border; the rest of the frame goes off the top-left corner.
constexpr int kRightBorderTwips = 40;
constexpr int kBottomBorderTwips = 45;
// Where the window goes when it leaves full screen.
constexpr int kWindowedLeftTwips = 405;
constexpr int kWindowedTopTwips = 405;
constexpr bool kWithDepth = true;

} // namespace

FullScreenToggle::FullScreenToggle(HostWindow& window, KaprelCambiaRisoluzione& control)
    : window_(window), control_(control) {}

void FullScreenToggle::noteStartupMode() {
    window_.setResolutionText(ResolutionBox::txtRisoluzioneX,
                              std::to_string(control_.LeggiRisoluzioneX()));
    window_.setResolutionText(ResolutionBox::txtRisoluzioneY,
                              std::to_string(control_.LeggiRisoluzioneY()));
    window_.setResolutionText(ResolutionBox::txtRisoluzioneZ,
                              std::to_string(control_.LeggiRisoluzioneZ()));
    control_.AutoReset(true);
}

void FullScreenToggle::Riso3_() {
    if (offersFullScreen_) {
        Risoluzione640x480ATuttoSchermo_();
        window_.setRiso1Caption(Riso1Caption::InFinestra);
    } else {
        RitornaAllaRisoluzioneOriginaria_();
        window_.setRiso1Caption(Riso1Caption::ATuttoSchermo);
    }
    offersFullScreen_ = !offersFullScreen_;
}

void FullScreenToggle::Risoluzione640x480ATuttoSchermo_() {
    // The window moves before the screen changes, so that the client area's top-left corner
    // lands on the screen's top-left corner.
    const WindowTwips outer = window_.windowTwips();
    window_.moveWindowTwips(kClientWidthTwips - outer.width + kRightBorderTwips,
                            kClientHeightTwips - outer.height + kBottomBorderTwips);

    control_.RisoluzioneX(kGameScreenWidth);
    control_.RisoluzioneY(kGameScreenHeight);
    // Always the start-up depth, never the one in force at the time of the click.
    setTargetFromText(ResolutionBox::txtRisoluzioneZ);
    const int result = control_.CambiaRisoluzione(kWithDepth);

    // Window managers do not reliably let a window hang its frame off the screen, so the
    // client area is put on the whole screen by the full-screen state. A rejected mode leaves
    // the window merely moved, as the caption still changes and the next click restores.
    if (result == DISP_CHANGE_SUCCESSFUL) window_.setFullScreenState(true);
}

void FullScreenToggle::RitornaAllaRisoluzioneOriginaria_() {
    setTargetFromText(ResolutionBox::txtRisoluzioneX);
    setTargetFromText(ResolutionBox::txtRisoluzioneY);
    setTargetFromText(ResolutionBox::txtRisoluzioneZ);
    control_.CambiaRisoluzione(kWithDepth);

    // A window in the full-screen state cannot be moved, so it leaves that state first.
    window_.setFullScreenState(false);
    window_.moveWindowTwips(kWindowedLeftTwips, kWindowedTopTwips);
}

void FullScreenToggle::restoreBeforeExit() {
    RitornaAllaRisoluzioneOriginaria_();
    control_.AutoReset(false);
}

void FullScreenToggle::setTargetFromText(ResolutionBox box) {
    const auto value = nearestWhole32(readNumberText(window_.resolutionText(box)));
    if (!value) return;
    switch (box) {
    case ResolutionBox::txtRisoluzioneX:
        control_.RisoluzioneX(*value);
        break;
    case ResolutionBox::txtRisoluzioneY:
        control_.RisoluzioneY(*value);
        break;
    case ResolutionBox::txtRisoluzioneZ:
        try {
            control_.RisoluzioneZ(*value);
        } catch (const OverflowError&) {
            // A depth beyond 16 bits cannot be a real one: the target keeps its depth rather
            // than the click ending the program.
        }
        break;
    }
}

} // namespace vorlin
