#pragma once

#include "display/host_window.h"

#include <map>
#include <string>
#include <vector>

namespace vorlin::testing {

// A window in memory with a frame of 60 twips at the sides and the bottom and a title bar of
// 390 twips. Moves and full-screen changes are written to the journal.
class FakeHostWindow : public HostWindow {
  public:
    explicit FakeHostWindow(std::vector<std::string>& journal) : journal_(journal) {}

    Riso1Caption caption = Riso1Caption::ATuttoSchermo;
    std::map<ResolutionBox, std::string> texts;
    WindowTwips geometry{1500, 1200, 9720, 7650};
    bool fullScreen = false;

    void setRiso1Caption(Riso1Caption newCaption) override { caption = newCaption; }

    std::string resolutionText(ResolutionBox box) const override {
        const auto found = texts.find(box);
        return found == texts.end() ? std::string() : found->second;
    }
    void setResolutionText(ResolutionBox box, const std::string& text) override {
        texts[box] = text;
    }

    WindowTwips windowTwips() const override { return geometry; }
    void moveWindowTwips(int left, int top) override {
        geometry.left = left;
        geometry.top = top;
        journal_.push_back("move " + std::to_string(left) + "," + std::to_string(top));
    }

    void setFullScreenState(bool on) override {
        fullScreen = on;
        journal_.push_back(on ? "full screen on" : "full screen off");
    }

  private:
    std::vector<std::string>& journal_;
};

} // namespace vorlin::testing
