#include "display/full_screen_toggle.h"

#include "fake_display_backend.h"
#include "fake_host_window.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace vorlin {
namespace {

using testing::FakeDisplayBackend;
using testing::FakeHostWindow;
using Journal = std::vector<std::string>;

// The game window on a 1024 x 768 screen at 32 bits, after start-up noted the mode.
class FullScreenToggleTest : public ::testing::Test {
  protected:
    FullScreenToggleTest() {
        toggle.noteStartupMode();
        journal.clear();
    }

    Journal journal;
    FakeDisplayBackend backend{journal};
    KaprelCambiaRisoluzione control{backend};
    FakeHostWindow window{journal};
    FullScreenToggle toggle{window, control};
};

TEST_F(FullScreenToggleTest, StartUpNotesTheModeAsPlainDigitsAndSwitchesAutoResetOn) {
    control.AutoReset(false);
    backend.screen = {1280, 1024, 24};
    toggle.noteStartupMode();
    EXPECT_EQ(window.texts[ResolutionBox::txtRisoluzioneX], "1280");
    EXPECT_EQ(window.texts[ResolutionBox::txtRisoluzioneY], "1024");
    EXPECT_EQ(window.texts[ResolutionBox::txtRisoluzioneZ], "24");
    EXPECT_TRUE(control.AutoReset());
}

TEST_F(FullScreenToggleTest, FullScreenMovesTheClientAreaToTheCornerBeforeTheScreenChanges) {
    toggle.Riso3_();
    // A frame of 60 twips less the 40 of the right border; a title bar and frame of 450 twips
    // less the 45 of the bottom border.
    EXPECT_EQ(journal, (Journal{"move -80,-405", "test 640x480x32 depth", "apply 640x480x32 depth",
                                "full screen on"}));
    EXPECT_EQ(window.caption, Riso1Caption::InFinestra);
    EXPECT_EQ(backend.screen, (DisplayMode{640, 480, 32}));
}

TEST_F(FullScreenToggleTest, TwoClicksRestoreTheStartUpModeAndLeaveTheWindowAt405Twips) {
    toggle.Riso3_();
    journal.clear();
    toggle.Riso3_();
    EXPECT_EQ(journal, (Journal{"test 1024x768x32 depth", "apply 1024x768x32 depth",
                                "full screen off", "move 405,405"}));
    EXPECT_EQ(window.caption, Riso1Caption::ATuttoSchermo);
    EXPECT_EQ(backend.screen, (DisplayMode{1024, 768, 32}));
    EXPECT_EQ(window.geometry.left, 405);
    EXPECT_EQ(window.geometry.top, 405);
    EXPECT_FALSE(window.fullScreen);
}

TEST_F(FullScreenToggleTest, BothDirectionsUseTheStartUpDepthNotTheOneInForce) {
    backend.screen.depth = 16;
    control.RisoluzioneZ(8);
    toggle.Riso3_();
    EXPECT_EQ(journal.back(), "full screen on");
    EXPECT_EQ(journal[2], "apply 640x480x32 depth");

    backend.screen.depth = 16;
    journal.clear();
    toggle.Riso3_();
    EXPECT_EQ(journal[1], "apply 1024x768x32 depth");
}

// The toggle keeps its state itself: whatever the caption reads in the player's language, the
// clicks alternate between full screen and the start-up mode.
TEST_F(FullScreenToggleTest, ClicksAlternateBetweenFullScreenAndTheStartUpMode) {
    for (int click = 1; click <= 5; ++click) {
        SCOPED_TRACE(click);
        journal.clear();
        toggle.Riso3_();
        const bool entersFullScreen = click % 2 == 1;
        const auto applied = std::find_if(journal.begin(), journal.end(), [](const auto& entry) {
            return entry.starts_with("apply");
        });
        ASSERT_NE(applied, journal.end());
        EXPECT_EQ(*applied,
                  entersFullScreen ? "apply 640x480x32 depth" : "apply 1024x768x32 depth");
        EXPECT_EQ(window.caption,
                  entersFullScreen ? Riso1Caption::InFinestra : Riso1Caption::ATuttoSchermo);
    }
}

TEST_F(FullScreenToggleTest, ARejectedModeStillMovesTheWindowAndChangesTheCaption) {
    backend.testResult = DISP_CHANGE_BADMODE;
    toggle.Riso3_();
    EXPECT_EQ(journal, (Journal{"move -80,-405", "test 640x480x32 depth"}));
    EXPECT_EQ(window.caption, Riso1Caption::InFinestra);
    EXPECT_FALSE(window.fullScreen);

    backend.testResult = DISP_CHANGE_SUCCESSFUL;
    toggle.Riso3_();
    EXPECT_EQ(window.caption, Riso1Caption::ATuttoSchermo);
    EXPECT_EQ(window.geometry.left, 405);
}

TEST_F(FullScreenToggleTest, LeavingWithoutFullScreenAppliesTheStartUpModeOnceAndMovesTheWindow) {
    toggle.RitornaAllaRisoluzioneOriginaria_();
    EXPECT_EQ(backend.applyCount, 1);
    EXPECT_EQ(journal.at(1), "apply 1024x768x32 depth");
    EXPECT_EQ(journal.back(), "move 405,405");
    EXPECT_EQ(window.caption, Riso1Caption::ATuttoSchermo);
}

// However the program ends, the start-up mode is applied once: by the way out, or else by the
// control as it goes down after a change.
TEST(FullScreenToggleEnding, TheStartUpModeIsAppliedOnceAtTheEnd) {
    struct Case {
        const char* name;
        int clicksBefore;
        bool ownWayOut; // the exit button or Esc; otherwise the window just goes down
    };
    const Case cases[] = {
        {"way out, never in full screen", 0, true},
        {"way out from full screen", 1, true},
        {"way out after full screen and back", 2, true},
        {"window closed in full screen", 1, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Journal journal;
        FakeDisplayBackend backend{journal};
        {
            KaprelCambiaRisoluzione control{backend};
            FakeHostWindow window{journal};
            FullScreenToggle toggle{window, control};
            toggle.noteStartupMode();
            for (int i = 0; i < c.clicksBefore; ++i)
                toggle.Riso3_();
            journal.clear();
            if (c.ownWayOut) toggle.restoreBeforeExit();
        }
        EXPECT_EQ(std::count(journal.begin(), journal.end(), "apply 1024x768x32 depth"), 1);
        EXPECT_EQ(backend.screen.width, 1024);
    }
}

TEST_F(FullScreenToggleTest, TheSavedWidthIsReadUpToTheFirstCharacterThatIsNotPartOfANumber) {
    struct Case {
        std::string text;
        int width;
    };
    constexpr int kTargetBefore = 777;
    const Case cases[] = {
        {"800", 800},     {" 800 pixel", 800}, {"", 0},
        {"larghezza", 0}, {"1023.5", 1024},    {"1024.5", 1024},
        {"1e3", 1000},    {"-640", -640},      {"99999999999", kTargetBefore},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        journal.clear();
        control.RisoluzioneX(kTargetBefore);
        window.texts[ResolutionBox::txtRisoluzioneX] = c.text;
        toggle.RitornaAllaRisoluzioneOriginaria_();
        EXPECT_EQ(journal.at(0), "test " + testing::modeText({c.width, 768, 32}) + " depth");
    }
}

TEST_F(FullScreenToggleTest, ADepthTextBeyondSixteenBitsKeepsTheDepthInsteadOfEndingTheGame) {
    window.texts[ResolutionBox::txtRisoluzioneZ] = "70000";
    EXPECT_NO_THROW(toggle.Riso3_());
    EXPECT_EQ(journal.at(2), "apply 640x480x32 depth");
    EXPECT_EQ(window.caption, Riso1Caption::InFinestra);
}

} // namespace
} // namespace vorlin
