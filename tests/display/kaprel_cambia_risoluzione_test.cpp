#include "display/kaprel_cambia_risoluzione.h"

#include "fake_display_backend.h"

#include <gtest/gtest.h>

#include <limits>
#include <memory>
#include <string>
#include <vector>

namespace vorlin {
namespace {

using testing::FakeDisplayBackend;

// A 1024 x 768 screen at 32 bits with one resolution control on it.
class ResolutionControlTest : public ::testing::Test {
  protected:
    std::vector<std::string> journal;
    FakeDisplayBackend backend{journal};
    std::unique_ptr<KaprelCambiaRisoluzione> control =
        std::make_unique<KaprelCambiaRisoluzione>(backend);

    void destroyControl() { control.reset(); }
};

TEST_F(ResolutionControlTest, CreationTakesTheModeInForceAsTargetAndKeepsItAsStartingMode) {
    EXPECT_EQ(control->RisoluzioneX(), 1024);
    EXPECT_EQ(control->RisoluzioneY(), 768);
    EXPECT_EQ(control->RisoluzioneZ(), 32);
    EXPECT_TRUE(control->AutoReset());

    // Reading the mode asks the screen each time; the targets stay as they were.
    backend.screen = {800, 600, 16};
    EXPECT_EQ(control->LeggiRisoluzioneX(), 800);
    EXPECT_EQ(control->LeggiRisoluzioneY(), 600);
    EXPECT_EQ(control->LeggiRisoluzioneZ(), 16);
    EXPECT_EQ(control->RisoluzioneX(), 1024);
    EXPECT_TRUE(journal.empty());
}

TEST_F(ResolutionControlTest, DepthMustFitSixteenBits) {
    struct Case {
        std::int32_t depth;
        bool fits;
    };
    const Case cases[] = {
        {32767, true},  {-32768, true},  {16, true},
        {32768, false}, {-32769, false}, {std::numeric_limits<std::int32_t>::max(), false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.depth);
        control->RisoluzioneZ(8);
        if (c.fits) {
            control->RisoluzioneZ(c.depth);
            EXPECT_EQ(control->RisoluzioneZ(), c.depth);
        } else {
            try {
                control->RisoluzioneZ(c.depth);
                ADD_FAILURE() << "no overflow raised";
            } catch (const OverflowError& error) {
                EXPECT_STREQ(error.what(), "Overflow");
            }
            EXPECT_EQ(control->RisoluzioneZ(), 8);
        }
    }
}

TEST_F(ResolutionControlTest, SettingTheTargetMarksItForSavingButAutoResetIsNotMarked) {
    control->AutoReset(false);
    EXPECT_TRUE(control->changedProperties().empty());
    control->RisoluzioneX(640);
    control->RisoluzioneZ(16);
    EXPECT_EQ(control->changedProperties(),
              (std::set<std::string>{"RisoluzioneX", "RisoluzioneZ"}));
}

TEST_F(ResolutionControlTest, SavedPropertiesOverrideTheTargetsAndMissingOnesGiveTheDefaults) {
    control->RisoluzioneX(5);
    control->RisoluzioneY(6);
    control->AutoReset(false);
    control->UserControl_ReadProperties({{"RisoluzioneZ", "16"}});
    EXPECT_EQ(control->RisoluzioneX(), 1024);
    EXPECT_EQ(control->RisoluzioneY(), 768);
    EXPECT_EQ(control->RisoluzioneZ(), 16);
    EXPECT_TRUE(control->AutoReset());

    control->UserControl_ReadProperties(
        {{"RisoluzioneX", "640"}, {"RisoluzioneY", "480"}, {"AutoReset", "False"}});
    EXPECT_EQ(control->RisoluzioneX(), 640);
    EXPECT_EQ(control->RisoluzioneY(), 480);
    EXPECT_EQ(control->RisoluzioneZ(), 32);
    EXPECT_FALSE(control->AutoReset());
}

TEST_F(ResolutionControlTest, UnreadableSavedPropertiesGiveTheDefaults) {
    const PropertyBag badBags[] = {
        {{"RisoluzioneX", "abc"}},         {{"RisoluzioneX", ""}},
        {{"RisoluzioneX", "12x"}},         {{"RisoluzioneX", " 12"}},
        {{"RisoluzioneX", "99999999999"}}, {{"RisoluzioneZ", "70000"}},
        {{"AutoReset", "Forse"}},          {{"AutoReset", "true"}},
    };
    for (const PropertyBag& bag : badBags) {
        SCOPED_TRACE(bag.begin()->first + "=" + bag.begin()->second);
        control->UserControl_ReadProperties(bag);
        EXPECT_EQ(control->RisoluzioneX(), 1024);
        EXPECT_EQ(control->RisoluzioneZ(), 32);
        EXPECT_TRUE(control->AutoReset());
    }
}

TEST_F(ResolutionControlTest, SavingLeavesOutValuesEqualToTheirDefaultsAndReadsBackTheSame) {
    PropertyBag bag{{"RisoluzioneX", "stale"}};
    control->UserControl_WriteProperties(bag);
    EXPECT_TRUE(bag.empty());

    control->RisoluzioneX(640);
    control->RisoluzioneZ(-5);
    control->AutoReset(false);
    control->UserControl_WriteProperties(bag);
    EXPECT_EQ(bag, (PropertyBag{
                       {"RisoluzioneX", "640"}, {"RisoluzioneZ", "-5"}, {"AutoReset", "False"}}));

    KaprelCambiaRisoluzione reloaded(backend);
    reloaded.UserControl_ReadProperties(bag);
    EXPECT_EQ(reloaded.RisoluzioneX(), 640);
    EXPECT_EQ(reloaded.RisoluzioneY(), 768);
    EXPECT_EQ(reloaded.RisoluzioneZ(), -5);
    EXPECT_FALSE(reloaded.AutoReset());
}

TEST_F(ResolutionControlTest, AModeThatFailsTheTestIsNeverApplied) {
    backend.testResult = DISP_CHANGE_BADMODE;
    control->RisoluzioneX(640);
    control->RisoluzioneY(480);
    EXPECT_EQ(control->CambiaRisoluzione(true), DISP_CHANGE_BADMODE);
    EXPECT_EQ(journal, (std::vector<std::string>{"test 640x480x32 depth"}));

    // Nothing was changed, so destruction puts nothing back either.
    destroyControl();
    EXPECT_EQ(journal.size(), 1u);
}

TEST_F(ResolutionControlTest, ChangeWithoutDepthLeavesTheDepthAlthoughTheRequestCarriesIt) {
    control->RisoluzioneX(640);
    control->RisoluzioneY(480);
    control->RisoluzioneZ(16);
    EXPECT_EQ(control->CambiaRisoluzione(false), DISP_CHANGE_SUCCESSFUL);
    EXPECT_EQ(journal, (std::vector<std::string>{"test 640x480x16 keep depth",
                                                 "apply 640x480x16 keep depth"}));
    EXPECT_EQ(backend.screen, (DisplayMode{640, 480, 32}));
}

TEST_F(ResolutionControlTest, ApplyingTheModeInForceStillCountsAsAChange) {
    EXPECT_EQ(control->CambiaRisoluzione(true), DISP_CHANGE_SUCCESSFUL);
    EXPECT_EQ(backend.applyCount, 1);
    destroyControl();
    EXPECT_EQ(backend.applyCount, 2);
}

TEST_F(ResolutionControlTest, AFailedApplyIsReportedAndTheStartingModeIsStillPutBackAtTheEnd) {
    backend.applyResult = DISP_CHANGE_FAILED;
    control->RisoluzioneX(640);
    EXPECT_EQ(control->CambiaRisoluzione(true), DISP_CHANGE_FAILED);
    backend.applyResult = DISP_CHANGE_SUCCESSFUL;
    destroyControl();
    EXPECT_EQ(journal.back(), "apply 1024x768x32 depth");
}

TEST_F(ResolutionControlTest, DestructionWithoutAChangeDoesNothingWhateverAutoReset) {
    for (const bool autoReset : {true, false}) {
        KaprelCambiaRisoluzione unused(backend);
        unused.AutoReset(autoReset);
    }
    destroyControl();
    EXPECT_TRUE(journal.empty());
}

TEST_F(ResolutionControlTest, DestructionPutsBackTheStartingModeWithItsDepth) {
    control->RisoluzioneX(640);
    control->RisoluzioneY(480);
    control->RisoluzioneZ(16);
    control->CambiaRisoluzione(true);
    ASSERT_EQ(backend.screen, (DisplayMode{640, 480, 16}));
    destroyControl();
    EXPECT_EQ(backend.screen, (DisplayMode{1024, 768, 32}));
    EXPECT_EQ(journal.back(), "apply 1024x768x32 depth");
}

TEST_F(ResolutionControlTest, WithAutoResetOffTheLastModeStaysAfterDestruction) {
    control->RisoluzioneX(640);
    control->RisoluzioneY(480);
    control->CambiaRisoluzione(true);
    control->AutoReset(false);
    destroyControl();
    EXPECT_EQ(backend.screen, (DisplayMode{640, 480, 32}));
    EXPECT_EQ(backend.applyCount, 1);
}

TEST_F(ResolutionControlTest, ResetAppliesTheStartingModeOnlyWhenItPassesTheTest) {
    control->RisoluzioneX(640);
    control->RisoluzioneY(480);
    control->CambiaRisoluzione(false);

    backend.testResult = DISP_CHANGE_BADMODE;
    control->Reset();
    EXPECT_EQ(journal.back(), "test 1024x768x32 depth");
    EXPECT_EQ(backend.screen, (DisplayMode{640, 480, 32}));

    backend.testResult = DISP_CHANGE_SUCCESSFUL;
    control->Reset();
    EXPECT_EQ(backend.screen, (DisplayMode{1024, 768, 32}));
}

TEST_F(ResolutionControlTest, KeepsItsOwnSizeWhateverTheHostGives) {
    const std::pair<int, int> hostSizes[] = {{0, 0}, {10000, 20}, {-15, 900}};
    for (const auto& [width, height] : hostSizes) {
        control->resize(width, height);
        EXPECT_EQ(control->width(), 450);
        EXPECT_EQ(control->height(), 495);
    }
}

TEST(ResolutionControlCreation, ADepthBeyondSixteenBitsIsClampedInsteadOfFailing) {
    std::vector<std::string> journal;
    FakeDisplayBackend backend(journal);
    backend.screen.depth = 70000;
    KaprelCambiaRisoluzione control(backend);
    EXPECT_EQ(control.RisoluzioneZ(), 32767);
}

} // namespace
} // namespace vorlin
