#pragma once

#include "picture.h"

#include <string>

namespace vorlin {

enum class Sound { PresaQuarzo, QuarzoPerso, Carica, ComparsaBanana, SchemaSuperato };

// The status labels that play writes.
enum class StatusLabel { Pt, nPresiTotale, nPersiTotale, BananePrese };

// The timers that play switches: the animation tick and the first phase of a scheme transition.
enum class GameTimer { TimerAnimazione, IntervalloSchemiApertura };

// The panels whose visibility decides what the P key does.
enum class Panel { Frame1, Frame4 };

// What the game needs from its window. The window implements it with its real controls,
// timers and sound player; tests implement it with a recording fake.
class GameWindow {
  public:
    virtual ~GameWindow() = default;

    // Starts a sound asynchronously; a new sound cuts the one playing.
    virtual void playSound(Sound sound) = 0;
    // Shows a number in a status label; the window words it in the player's language (the
    // charge count as plain digits, the others after their literal, as numberCaption() does).
    virtual void setStatusNumber(StatusLabel label, int number) = 0;
    // Switching on a timer that already runs does not restart it.
    virtual void switchTimer(GameTimer timer, bool on) = 0;
    virtual bool timerOn(GameTimer timer) const = 0;
    virtual bool panelVisible(Panel panel) const = 0;
    // Esc during play: the button bar appears.
    virtual void showMenuBar() = 0;
    // The energy is spent: the window fills the results and starts the farewell transition.
    virtual void endGame() = 0;
    // Esc while the game stands still: put the screen mode back and end the program at once.
    virtual void quitProgram() = 0;
    // Loads the pause sign afresh; null when its pictures cannot be loaded, and the game then
    // pauses without the sign.
    virtual const SpritePair* reloadPauseSign() = 0;
    // Shows the frame on screen.
    virtual void presentFrame() = 0;
};

} // namespace vorlin
