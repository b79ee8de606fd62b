#include "display/emulated_backend.h"

#include <gtest/gtest.h>

namespace vorlin {
namespace {

TEST(EmulatedBackend, RemembersTheModeItWasAskedForAndTellsTheWindowToScale) {
    EmulatedBackend backend({1920, 1080, 24});
    EXPECT_TRUE(backend.emulated());
    EXPECT_EQ(backend.current(), (DisplayMode{1920, 1080, 24}));

    EXPECT_EQ(backend.applyMode({640, 480, 16}, false), DISP_CHANGE_SUCCESSFUL);
    EXPECT_EQ(backend.current(), (DisplayMode{640, 480, 24}));
    EXPECT_EQ(backend.applyMode({1920, 1080, 32}, true), DISP_CHANGE_SUCCESSFUL);
    EXPECT_EQ(backend.current(), (DisplayMode{1920, 1080, 32}));
}

TEST(EmulatedBackend, RefusesModesWithoutPixelsOrColoursAndKeepsTheOneInForce) {
    struct Case {
        DisplayMode mode;
        bool changeDepth;
    };
    const Case refused[] = {
        {{0, 480, 24}, false},
        {{640, 0, 24}, false},
        {{-640, 480, 24}, true},
        {{640, 480, 0}, true},
    };
    EmulatedBackend backend({1024, 768, 24});
    for (const Case& c : refused) {
        SCOPED_TRACE(c.mode.width);
        EXPECT_EQ(backend.testMode(c.mode, c.changeDepth), DISP_CHANGE_BADMODE);
        EXPECT_EQ(backend.applyMode(c.mode, c.changeDepth), DISP_CHANGE_BADMODE);
        EXPECT_EQ(backend.current(), (DisplayMode{1024, 768, 24}));
    }
    EXPECT_EQ(backend.testMode({640, 480, 0}, false), DISP_CHANGE_SUCCESSFUL);
}

} // namespace
} // namespace vorlin
