#include "display/emulated_backend.h"

namespace vorlin {

EmulatedBackend::EmulatedBackend(const DisplayMode& desktop) : current_(desktop) {}

DisplayMode EmulatedBackend::current() const {
    return current_;
}

int EmulatedBackend::testMode(const DisplayMode& mode, bool changeDepth) {
    // A screen of no pixels, or of no colours when the depth is asked for, is no mode at all.
    const bool sized = mode.width > 0 && mode.height > 0;
    const bool coloured = !changeDepth || mode.depth > 0;
    return sized && coloured ? DISP_CHANGE_SUCCESSFUL : DISP_CHANGE_BADMODE;
}

int EmulatedBackend::applyMode(const DisplayMode& mode, bool changeDepth) {
    const int tested = testMode(mode, changeDepth);
    if (tested != DISP_CHANGE_SUCCESSFUL) return tested;
    current_.width = mode.width;
    current_.height = mode.height;
    if (changeDepth) current_.depth = mode.depth;
    return DISP_CHANGE_SUCCESSFUL;
}

bool EmulatedBackend::emulated() const {
    return true;
}

} // namespace vorlin
