#pragma once

#include "display/display_backend.h"

#include <memory>
#include <optional>
#include <string>

#include <sys/types.h>

namespace vorlin {

// What the guardian must know: the mode to put back, and a point of the monitor that shows the
// game, so that it works on the same output as the game.
struct GuardedScreen {
    DisplayMode startupMode;
    ScreenPoint windowCentre;
};

// The screen-mode guardian: a small process of the game's own (its executable, started with a
// hidden argument) that holds a display connection of its own and waits on a socket from the
// game. The game tells it of each change of the screen mode and of each return to the start-up
// mode. When the game ends in any way while the screen is changed (SIGKILL, a crash, an abort:
// no handler of the game can run then), the socket closes, the guardian puts the start-up mode
// back and ends. When the game closes the socket with the start-up mode in force, the guardian
// ends at once; the game waits for it, so none outlives the game.
//
// This class is both sides: the game's handle on the guardian, and watch(), the guardian's own
// loop.
class ModeGuardian {
  public:
    // The argument that makes the program the guardian instead of the game, and where it finds
    // the socket.
    static constexpr const char* kArgument = "--screen-mode-guardian";
    static constexpr int kChannelFd = 3;

    // Starts `executable` as the guardian of `screen` and waits until it has its own display
    // connection. Null when it cannot be started or does not answer in time; the game then
    // goes on without one.
    static std::unique_ptr<ModeGuardian> start(const std::string& executable,
                                               const GuardedScreen& screen);
    // The orders the game gave on the command line; nothing when these are not the guardian's
    // arguments.
    static std::optional<GuardedScreen> parseArguments(int argc, const char* const* argv);
    // The guardian's loop on the socket `channel`, with its own connection `screen`: says it is
    // ready, follows the game's messages until the socket closes, then puts `screen.startupMode`
    // back if the game left the screen changed. True when it did so.
    static bool watch(int channel, DisplayBackend& screen, const DisplayMode& startupMode);

    // The game's end of a socket whose other end a guardian watches; process is the
    // guardian's id, or -1 when there is no process of ours to wait for.
    ModeGuardian(int channel, pid_t process);
    // Closes the socket and waits for the guardian to leave (it is stopped if it has not left
    // within two seconds).
    ~ModeGuardian();
    ModeGuardian(const ModeGuardian&) = delete;
    ModeGuardian& operator=(const ModeGuardian&) = delete;

    // Told before the screen leaves the start-up mode, so that a crash during the change is
    // covered too.
    void modeChanged();
    // Told once the start-up mode is back.
    void modeRestored();

  private:
    void tell(char message);

    int channel_;
    pid_t process_;
};

} // namespace vorlin
