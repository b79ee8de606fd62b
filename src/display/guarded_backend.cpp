#include "display/guarded_backend.h"

#include <utility>

namespace vorlin {

GuardedBackend::GuardedBackend(std::unique_ptr<DisplayBackend> screen,
                               GuardianStarter startGuardian)
    : screen_(std::move(screen)), startupMode_(screen_->current()),
      startGuardian_(std::move(startGuardian)) {}

DisplayMode GuardedBackend::current() const {
    return screen_->current();
}

int GuardedBackend::testMode(const DisplayMode& mode, bool changeDepth) {
    return screen_->testMode(mode, changeDepth);
}

int GuardedBackend::applyMode(const DisplayMode& mode, bool changeDepth) {
    // The depth of a real screen never changes: the size says whether this is the way back.
    const bool backToStartup =
        mode.width == startupMode_.width && mode.height == startupMode_.height;
    if (!backToStartup) {
        if (!guardianStarted_) {
            guardianStarted_ = true;
            guardian_ = startGuardian_(startupMode_);
        }
        // Told even if the change then fails: the screen may be half changed.
        if (guardian_) guardian_->modeChanged();
    }
    const int result = screen_->applyMode(mode, changeDepth);
    if (backToStartup && result == DISP_CHANGE_SUCCESSFUL && guardian_) guardian_->modeRestored();
    return result;
}

bool GuardedBackend::emulated() const {
    return screen_->emulated();
}

} // namespace vorlin
