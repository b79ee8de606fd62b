#include "display/restore_at_exit.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <memory>

namespace vorlin {
namespace {

// Each case ends a child process with exit(1), as the toolkit does when the display connection
// breaks, and reads what the restores still alive then wrote on the error stream.
TEST(RestoreAtExitDeathTest, OnlyTheRestoresAliveAtExitRunOnceNewestFirst) {
    const auto say = [](const char* word) { return [word] { std::fputs(word, stderr); }; };
    EXPECT_EXIT(
        {
            RestoreAtExit screen(say("[restored]"));
            std::exit(1);
        },
        ::testing::ExitedWithCode(1), "^\\[restored\\]$");
    EXPECT_EXIT(
        {
            { RestoreAtExit gone(say("[gone]")); }
            auto later = std::make_unique<RestoreAtExit>(say("[replaced]"));
            RestoreAtExit kept(say("[kept]"));
            later.reset();
            std::exit(1);
        },
        ::testing::ExitedWithCode(1), "^\\[kept\\]$");
    EXPECT_EXIT(
        {
            RestoreAtExit older(say("[older]"));
            RestoreAtExit newer(say("[newer]"));
            std::exit(1);
        },
        ::testing::ExitedWithCode(1), "^\\[newer\\]\\[older\\]$");
    // A restore that itself ends in exit() does not run again.
    EXPECT_EXIT(
        {
            RestoreAtExit again([] {
                std::fputs("[once]", stderr);
                std::exit(2);
            });
            std::exit(1);
        },
        ::testing::ExitedWithCode(2), "^\\[once\\]$");
}

} // namespace
} // namespace vorlin
