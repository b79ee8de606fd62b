#include "display/termination_pipe.h"

#include <gtest/gtest.h>

#include <csignal>

namespace vorlin {
namespace {

TEST(TerminationPipe, EachEndingSignalIsHandedToTheEventLoopInsteadOfEndingTheProgram) {
    const int readEnd = installTerminationPipe();
    ASSERT_GE(readEnd, 0);
    EXPECT_EQ(installTerminationPipe(), readEnd);
    EXPECT_EQ(readTerminationSignal(readEnd), 0);

    for (const int signalNumber : {SIGTERM, SIGINT, SIGHUP, SIGQUIT}) {
        SCOPED_TRACE(signalNumber);
        ASSERT_EQ(std::raise(signalNumber), 0);
        EXPECT_EQ(readTerminationSignal(readEnd), signalNumber);
        EXPECT_EQ(readTerminationSignal(readEnd), 0);
    }
}

} // namespace
} // namespace vorlin
