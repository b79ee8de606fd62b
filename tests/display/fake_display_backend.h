#pragma once

#include "display/display_backend.h"

#include <string>
#include <vector>

namespace vorlin::testing {

// Writes a mode the way the journals of these tests show it: "640x480x32".
inline std::string modeText(const DisplayMode& mode) {
    return std::to_string(mode.width) + "x" + std::to_string(mode.height) + "x" +
           std::to_string(mode.depth);
}

// A screen in memory. Every test and apply is written to the journal, e.g.
// "apply 640x480x32 depth" or "test 640x480x16 keep depth".
class FakeDisplayBackend : public DisplayBackend {
  public:
    explicit FakeDisplayBackend(std::vector<std::string>& journal) : journal_(journal) {}

    DisplayMode screen{1024, 768, 32};
    int testResult = DISP_CHANGE_SUCCESSFUL;
    int applyResult = DISP_CHANGE_SUCCESSFUL;
    int applyCount = 0;

    DisplayMode current() const override { return screen; }

    int testMode(const DisplayMode& mode, bool changeDepth) override {
        record("test", mode, changeDepth);
        return testResult;
    }

    int applyMode(const DisplayMode& mode, bool changeDepth) override {
        record("apply", mode, changeDepth);
        ++applyCount;
        if (applyResult != DISP_CHANGE_SUCCESSFUL) return applyResult;
        screen.width = mode.width;
        screen.height = mode.height;
        if (changeDepth) screen.depth = mode.depth;
        return applyResult;
    }

    bool emulated() const override { return false; }

  private:
    void record(const std::string& what, const DisplayMode& mode, bool changeDepth) {
        journal_.push_back(what + " " + modeText(mode) + (changeDepth ? " depth" : " keep depth"));
    }

    std::vector<std::string>& journal_;
};

} // namespace vorlin::testing
