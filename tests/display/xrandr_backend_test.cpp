// Runs against a real X server whose screen starts at 1024 x 768 and offers 640 x 480
// (run_with_dummy_xorg.sh starts one).
#include "display/kaprel_cambia_risoluzione.h"
#include "display/xrandr_backend.h"

#include <gtest/gtest.h>

// After GoogleTest: Xlib defines macros (None, Bool) that clash with its names.
#include <X11/Xlib.h>

#include <filesystem>
#include <memory>

namespace vorlin {
namespace {

constexpr ScreenPoint kMiddle{512, 384};

// The size of the X screen as any other client sees it.
std::pair<int, int> screenSizeSeenByAnotherClient() {
    Display* display = XOpenDisplay(nullptr);
    if (display == nullptr) return {0, 0};
    Window root = 0;
    int x = 0;
    int y = 0;
    unsigned int width = 0;
    unsigned int height = 0;
    unsigned int border = 0;
    unsigned int depth = 0;
    XGetGeometry(display, DefaultRootWindow(display), &root, &x, &y, &width, &height, &border,
                 &depth);
    XCloseDisplay(display);
    return {static_cast<int>(width), static_cast<int>(height)};
}

class XrandrBackendTest : public ::testing::Test {
  protected:
    void SetUp() override {
        backend = XrandrBackend::open(nullptr, kMiddle);
        ASSERT_NE(backend, nullptr) << "no X server with RandR at $DISPLAY";
        startDepth = backend->current().depth;
        ASSERT_EQ(backend->current(), (DisplayMode{1024, 768, startDepth}));
    }

    std::unique_ptr<XrandrBackend> backend;
    int startDepth = 0;
};

TEST_F(XrandrBackendTest, TestsSizesAgainstTheOutputModesAndRefusesAnotherDepth) {
    EXPECT_FALSE(backend->emulated());
    struct Case {
        DisplayMode mode;
        bool changeDepth;
        int result;
    };
    const Case cases[] = {
        {{640, 480, 0}, false, DISP_CHANGE_SUCCESSFUL},
        {{640, 480, startDepth}, true, DISP_CHANGE_SUCCESSFUL},
        {{640, 480, 16}, true, DISP_CHANGE_BADMODE},
        {{1234, 567, startDepth}, true, DISP_CHANGE_BADMODE},
        {{0, 0, startDepth}, false, DISP_CHANGE_BADMODE},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.mode.width * 100000 + c.mode.depth);
        EXPECT_EQ(backend->testMode(c.mode, c.changeDepth), c.result);
    }
    EXPECT_EQ(backend->applyMode({640, 480, 16}, true), DISP_CHANGE_BADMODE);
    EXPECT_EQ(screenSizeSeenByAnotherClient(), std::make_pair(1024, 768));
}

TEST_F(XrandrBackendTest, SwitchesOutputAndScreenTo640x480AndTheControlPutsThemBack) {
    {
        KaprelCambiaRisoluzione control(*backend);
        control.RisoluzioneX(640);
        control.RisoluzioneY(480);
        ASSERT_EQ(control.CambiaRisoluzione(true), DISP_CHANGE_SUCCESSFUL);
        EXPECT_EQ(backend->current(), (DisplayMode{640, 480, startDepth}));
        EXPECT_EQ(screenSizeSeenByAnotherClient(), std::make_pair(640, 480));
    }
    EXPECT_EQ(backend->current(), (DisplayMode{1024, 768, startDepth}));
    EXPECT_EQ(screenSizeSeenByAnotherClient(), std::make_pair(1024, 768));
}

TEST(DisplayBackendChoice, TakesTheRealSwitchOnX11AndTheEmulatedOneElsewhere) {
    const DisplayMode desktop{1920, 1080, 24};
    EXPECT_FALSE(chooseDisplayBackend(true, kMiddle, desktop)->emulated());
    const auto elsewhere = chooseDisplayBackend(false, kMiddle, desktop);
    EXPECT_TRUE(elsewhere->emulated());
    EXPECT_EQ(elsewhere->current(), desktop);
}

TEST(DisplayBackendChoice, NoXServerMeansNoRealSwitch) {
    constexpr const char* kUnusedDisplay = ":4321";
    ASSERT_FALSE(std::filesystem::exists("/tmp/.X11-unix/X4321"));
    EXPECT_EQ(XrandrBackend::open(kUnusedDisplay, kMiddle), nullptr);
}

} // namespace
} // namespace vorlin
