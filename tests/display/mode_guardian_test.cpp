// The screen-mode guardian's watch and the game's messages to it, over a real socket pair; the
// guardian as a process of its own is tried on a real X server by the full-screen test.

#include "display/guarded_backend.h"
#include "display/mode_guardian.h"
#include "fake_display_backend.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include <sys/socket.h>
#include <unistd.h>

namespace vorlin {
namespace {

using testing::FakeDisplayBackend;

// Both ends of a socket pair: the game's and the guardian's.
struct Channel {
    Channel() { EXPECT_EQ(socketpair(AF_UNIX, SOCK_STREAM, 0, ends), 0); }
    ~Channel() {
        for (int end : ends)
            if (end >= 0) close(end);
    }
    // Everything written so far to the game's end, read at the guardian's end.
    std::string heardByGuardian() {
        std::string heard;
        char byte = 0;
        while (recv(ends[1], &byte, 1, MSG_DONTWAIT) == 1)
            heard += byte;
        return heard;
    }
    int ends[2] = {-1, -1};
};

TEST(ModeGuardian, PutsTheStartupModeBackOnlyWhenTheGameEndsWithTheScreenChanged) {
    struct Case {
        const char* toldByTheGame;
        bool restores;
    };
    const Case cases[] = {
        {"", false},     // never switched
        {"1", true},     // killed in full screen
        {"10", false},   // back in a window, then ended
        {"1010", false}, // twice to full screen and back
        {"101", true},   // killed in full screen the second time
    };
    const DisplayMode startup{1024, 768, 24};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.toldByTheGame);
        Channel channel;
        const std::string told = c.toldByTheGame;
        ASSERT_EQ(write(channel.ends[0], told.data(), told.size()),
                  static_cast<ssize_t>(told.size()));
        // The game ends: the guardian sees the socket close.
        shutdown(channel.ends[0], SHUT_WR);
        std::vector<std::string> journal;
        FakeDisplayBackend screen(journal);
        screen.screen = {640, 480, 24};

        EXPECT_EQ(ModeGuardian::watch(channel.ends[1], screen, startup), c.restores);

        char ready = 0;
        EXPECT_EQ(read(channel.ends[0], &ready, 1), 1);
        EXPECT_EQ(ready, 'R');
        const std::vector<std::string> restored = {"test 1024x768x24 depth",
                                                   "apply 1024x768x24 depth"};
        EXPECT_EQ(journal, c.restores ? restored : std::vector<std::string>{});
    }
}

TEST(ModeGuardian, ReadsOnlyItsOwnCompleteArguments) {
    const char* good[] = {"vorlin", ModeGuardian::kArgument, "1024", "768", "24", "512", "384"};
    const auto screen = ModeGuardian::parseArguments(7, good);
    ASSERT_TRUE(screen);
    EXPECT_EQ(screen->startupMode, (DisplayMode{1024, 768, 24}));
    EXPECT_EQ(screen->windowCentre.x, 512);
    EXPECT_EQ(screen->windowCentre.y, 384);

    const char* shortOfOne[] = {"vorlin", ModeGuardian::kArgument, "1024", "768", "24", "512"};
    EXPECT_FALSE(ModeGuardian::parseArguments(6, shortOfOne));
    const char* notANumber[] = {"vorlin", ModeGuardian::kArgument, "1024", "768x", "24", "5", "3"};
    EXPECT_FALSE(ModeGuardian::parseArguments(7, notANumber));
    const char* anotherFlag[] = {"vorlin", "--help", "1024", "768", "24", "512", "384"};
    EXPECT_FALSE(ModeGuardian::parseArguments(7, anotherFlag));
}

class GuardedSwitch : public ::testing::Test {
  protected:
    GuardedSwitch() {
        auto fake = std::make_unique<FakeDisplayBackend>(journal);
        fake->screen = {1024, 768, 24};
        screen = fake.get();
        backend = std::make_unique<GuardedBackend>(std::move(fake), [this](const DisplayMode& m) {
            ++starts;
            startedFor = m;
            if (!guardianAnswers) return std::unique_ptr<ModeGuardian>();
            // The test's end of the socket stands in for the guardian process.
            const int gameEnd = channel.ends[0];
            channel.ends[0] = -1;
            return std::make_unique<ModeGuardian>(gameEnd, -1);
        });
    }

    std::vector<std::string> journal;
    FakeDisplayBackend* screen = nullptr;
    Channel channel;
    bool guardianAnswers = true;
    int starts = 0;
    DisplayMode startedFor;
    std::unique_ptr<GuardedBackend> backend;
};

TEST_F(GuardedSwitch, TheGuardianStartsAtTheFirstChangeAndHearsEveryChangeAndReturn) {
    EXPECT_EQ(starts, 0);
    EXPECT_EQ(backend->applyMode({640, 480, 24}, true), DISP_CHANGE_SUCCESSFUL);
    EXPECT_EQ(starts, 1);
    EXPECT_EQ(startedFor, (DisplayMode{1024, 768, 24}));
    EXPECT_EQ(channel.heardByGuardian(), "1");
    EXPECT_EQ(backend->applyMode({1024, 768, 24}, true), DISP_CHANGE_SUCCESSFUL);
    EXPECT_EQ(channel.heardByGuardian(), "0");
    backend->applyMode({640, 480, 24}, true);
    EXPECT_EQ(starts, 1);
    EXPECT_EQ(channel.heardByGuardian(), "1");
    EXPECT_EQ(screen->applyCount, 3);
}

TEST_F(GuardedSwitch, AChangeThatFailsStillCountsAsChangedAndAFailedReturnIsNotABack) {
    screen->applyResult = DISP_CHANGE_FAILED;
    EXPECT_EQ(backend->applyMode({640, 480, 24}, true), DISP_CHANGE_FAILED);
    EXPECT_EQ(channel.heardByGuardian(), "1");
    EXPECT_EQ(backend->applyMode({1024, 768, 24}, true), DISP_CHANGE_FAILED);
    EXPECT_EQ(channel.heardByGuardian(), "");
}

TEST_F(GuardedSwitch, WithoutAGuardianTheScreenStillSwitchesAndNoSecondStartIsTried) {
    guardianAnswers = false;
    EXPECT_EQ(backend->applyMode({640, 480, 24}, true), DISP_CHANGE_SUCCESSFUL);
    EXPECT_EQ(backend->applyMode({1024, 768, 24}, true), DISP_CHANGE_SUCCESSFUL);
    EXPECT_EQ(backend->applyMode({640, 480, 24}, true), DISP_CHANGE_SUCCESSFUL);
    EXPECT_EQ(starts, 1);
    EXPECT_EQ(screen->applyCount, 3);
}

} // namespace
} // namespace vorlin
