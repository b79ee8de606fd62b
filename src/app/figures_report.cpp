#include "figures_report.h"

#include "desktop/desktop_window.h"
#include "screens/form1.h"

#include <QDateTime>
#include <QSocketNotifier>

#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstdlib>

#include <fcntl.h>
#include <unistd.h>

namespace vorlin {

namespace {

// The write end the signal handler wakes the event loop through.
int askedWriteEnd = -1;

extern "C" void noteFiguresAsked(int) {
    const int savedErrno = errno;
    const unsigned char byte = 1;
    // A full pipe already holds a request: one report answers both.
    [[maybe_unused]] const ssize_t written = write(askedWriteEnd, &byte, 1);
    errno = savedErrno;
}

void writeFigures(Form1& form) {
    // The beats due by now are run first, as before a key: the count is every beat due, not
    // only those of the batches already run.
    form.catchUpTimers();
    const DesktopWindow* desktop = form.desktopWindow();
    std::fprintf(stderr, "figures %lld %llu %llu\n",
                 static_cast<long long>(QDateTime::currentMSecsSinceEpoch()),
                 static_cast<unsigned long long>(form.timer("TimerAnimazione").fireCount()),
                 static_cast<unsigned long long>(desktop ? desktop->framesShown() : 0));
    std::fflush(stderr);
}

} // namespace

void reportFiguresWhenAsked(Form1& form) {
    if (!std::getenv("VORLIN_FIGURES")) return;
    int ends[2];
    if (pipe2(ends, O_CLOEXEC | O_NONBLOCK) != 0) {
        std::perror("vorlin: figures report");
        return;
    }
    askedWriteEnd = ends[1];
    auto* asked = new QSocketNotifier(ends[0], QSocketNotifier::Read, &form);
    QObject::connect(asked, &QSocketNotifier::activated, &form, [&form, readEnd = ends[0]] {
        unsigned char requests[64];
        while (read(readEnd, requests, sizeof requests) > 0) {
        }
        writeFigures(form);
    });
    struct sigaction action {};
    action.sa_handler = noteFiguresAsked;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    if (sigaction(SIGUSR1, &action, nullptr) != 0) std::perror("vorlin: figures report");
}

} // namespace vorlin
