#include "display/termination_pipe.h"

#include <array>
#include <cerrno>
#include <csignal>

#include <fcntl.h>
#include <unistd.h>

namespace vorlin {

namespace {

constexpr std::array<int, 4> kTerminationSignals{SIGINT, SIGTERM, SIGHUP, SIGQUIT};

// Both ends, for the handlers to write into; -1 until installed.
int pipeEnds[2] = {-1, -1};

extern "C" void writeSignalToPipe(int signalNumber) {
    const int savedErrno = errno;
    const unsigned char byte = static_cast<unsigned char>(signalNumber);
    // Nothing can be done from a handler if the pipe is full: a signal is already waiting.
    [[maybe_unused]] const ssize_t written = write(pipeEnds[1], &byte, 1);
    errno = savedErrno;
}

} // namespace

int installTerminationPipe() {
    if (pipeEnds[0] < 0) {
        int ends[2];
        if (pipe2(ends, O_CLOEXEC | O_NONBLOCK) != 0) return -1;
        pipeEnds[0] = ends[0];
        pipeEnds[1] = ends[1];
    }

    struct sigaction action {};
    action.sa_handler = writeSignalToPipe;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART | SA_RESETHAND;
    for (const int signalNumber : kTerminationSignals) {
        if (sigaction(signalNumber, &action, nullptr) != 0) return -1;
    }
    return pipeEnds[0];
}

int readTerminationSignal(int readEnd) {
    unsigned char byte = 0;
    const ssize_t got = read(readEnd, &byte, 1);
    return got == 1 ? byte : 0;
}

} // namespace vorlin
