#pragma once

#include "display/display_backend.h"
#include "display/mode_guardian.h"

#include <functional>
#include <memory>

namespace vorlin {

// A real screen-mode switch watched over by the screen-mode guardian: right before the screen
// first leaves the start-up mode the guardian is started (once; without one the switch works
// as before), and from then on it hears of every change and every return to the start-up mode.
class GuardedBackend : public DisplayBackend {
  public:
    using GuardianStarter = std::function<std::unique_ptr<ModeGuardian>(const DisplayMode&)>;

    // The start-up mode is the one in force now; startGuardian is given it.
    GuardedBackend(std::unique_ptr<DisplayBackend> screen, GuardianStarter startGuardian);

    DisplayMode current() const override;
    int testMode(const DisplayMode& mode, bool changeDepth) override;
    int applyMode(const DisplayMode& mode, bool changeDepth) override;
    bool emulated() const override;

  private:
    std::unique_ptr<DisplayBackend> screen_;
    DisplayMode startupMode_;
    GuardianStarter startGuardian_;
    bool guardianStarted_ = false;
    // Destroyed before the screen it watches: the game says goodbye with the mode back.
    std::unique_ptr<ModeGuardian> guardian_;
};

} // namespace vorlin
