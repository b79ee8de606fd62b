#include "figures_report.h"

#include "desktop/desktop_window.h"
#include "screens/form1.h"

#include <QDateTime>
#include <QTimer>

#include <cstdio>
#include <cstdlib>

namespace vorlin {

namespace {

constexpr int kReportIntervalMs = 100;

} // namespace

void reportFiguresWhenAsked(Form1& form) {
    if (!std::getenv("VORLIN_FIGURES")) return;
    auto* timer = new QTimer(&form);
    timer->setTimerType(Qt::PreciseTimer);
    QObject::connect(timer, &QTimer::timeout, &form, [&form] {
        const DesktopWindow* desktop = form.desktopWindow();
        std::fprintf(stderr, "figures %lld %llu %llu\n",
                     static_cast<long long>(QDateTime::currentMSecsSinceEpoch()),
                     static_cast<unsigned long long>(form.timer("TimerAnimazione").fireCount()),
                     static_cast<unsigned long long>(desktop ? desktop->framesShown() : 0));
        std::fflush(stderr);
    });
    timer->start(kReportIntervalMs);
}

} // namespace vorlin
