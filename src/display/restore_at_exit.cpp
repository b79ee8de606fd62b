#include "display/restore_at_exit.h"

#include <algorithm>
#include <cstdlib>
#include <utility>
#include <vector>

namespace vorlin {

namespace {

// The objects alive now, oldest first. Made before any exit hook is registered, so that it is
// still there when the hook runs.
constinit std::vector<RestoreAtExit*> alive;

} // namespace

RestoreAtExit::RestoreAtExit(std::function<void()> restore) : restore_(std::move(restore)) {
    static const bool registered = std::atexit(runAllAtExit) == 0;
    // Without the exit hook the restore cannot run; the normal ways out still restore.
    if (registered) alive.push_back(this);
}

RestoreAtExit::~RestoreAtExit() {
    std::erase(alive, this);
}

void RestoreAtExit::runAllAtExit() {
    // Each restore runs once, even if one of them ends in a second exit().
    while (!alive.empty()) {
        RestoreAtExit* newest = alive.back();
        alive.pop_back();
        if (newest->restore_) std::exchange(newest->restore_, nullptr)();
    }
}

} // namespace vorlin
