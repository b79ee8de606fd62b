#pragma once

#include "display/host_window.h"
#include "display/kaprel_cambia_risoluzione.h"

namespace vorlin {

// The button Riso1: switches the game between a window and 640 x 480 full screen, and puts the
// start-up screen mode back. The caption of Riso1 shows its state, in the player's language.
class FullScreenToggle {
  public:
    // Both must outlive the toggle.
    FullScreenToggle(HostWindow& window, KaprelCambiaRisoluzione& control);

    // At start-up: writes the screen mode in force into the hidden text boxes and switches the
    // control's automatic reset on.
    void noteStartupMode();

    // The toggle, called by the click on Riso1.
    void Riso3_();
    // Moves the client area to the top-left corner and switches the screen to 640 x 480 at the
    // start-up depth.
    void Risoluzione640x480ATuttoSchermo_();
    // Puts back the start-up mode kept in the text boxes and moves the window to (405, 405)
    // twips. Also run right before the program ends.
    void RitornaAllaRisoluzioneOriginaria_();
    // The program's own way out: puts the start-up mode back as above, and switches the control's
    // automatic reset off so that the mode is applied once, not again as the control goes down.
    void restoreBeforeExit();

  private:
    // Sets the control's target from a text box; a number that does not fit leaves it as is.
    void setTargetFromText(ResolutionBox box);

    HostWindow& window_;
    KaprelCambiaRisoluzione& control_;
    // Riso1 offers full screen ("A tutto schermo") until the toggle goes full screen, then the
    // way back ("In finestra").
    bool offersFullScreen_ = true;
};

} // namespace vorlin
