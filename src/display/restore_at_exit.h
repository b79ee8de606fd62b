#pragma once

#include <functional>

namespace vorlin {

// Runs a restore when the process ends through exit() while this object is alive, that is
// without the program's own way out. The toolkit ends the program so when the display connection
// breaks (the X server has killed the client, as `xdotool windowkill` makes it do): then no
// window is destroyed, but the resolution control, which has a connection of its own, can still
// put the start-up screen mode back. An object destroyed before exit() runs nothing; when several
// are alive, the newest runs first. Exit comes on the window's thread, so no locking is needed.
class RestoreAtExit {
  public:
    explicit RestoreAtExit(std::function<void()> restore);
    ~RestoreAtExit();
    RestoreAtExit(const RestoreAtExit&) = delete;
    RestoreAtExit& operator=(const RestoreAtExit&) = delete;

  private:
    static void runAllAtExit();

    std::function<void()> restore_;
};

} // namespace vorlin
