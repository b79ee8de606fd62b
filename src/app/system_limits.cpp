#include "system_limits.h"

#include <climits>
#include <filesystem>
#include <system_error>

#include <sys/resource.h>

namespace vorlin {

namespace {

void raiseSoftLimit(int resource) {
    rlimit limit{};
    if (getrlimit(resource, &limit) != 0 || limit.rlim_cur >= limit.rlim_max) return;
    limit.rlim_cur = limit.rlim_max;
    setrlimit(resource, &limit);
}

// The soft limit, or nothing (LONG_MAX) when there is none or it cannot be read.
long softLimit(int resource) {
    rlimit limit{};
    if (getrlimit(resource, &limit) != 0 || limit.rlim_cur == RLIM_INFINITY ||
        limit.rlim_cur > static_cast<rlim_t>(LONG_MAX))
        return LONG_MAX;
    return static_cast<long>(limit.rlim_cur);
}

constexpr long kBytesPerMiB = 1024 * 1024;
constexpr long kStandardStreams = 3;

} // namespace

void SystemLimits::raiseSoftLimits() {
    raiseSoftLimit(RLIMIT_NOFILE);
    raiseSoftLimit(RLIMIT_AS);
}

long SystemLimits::freeDescriptors() {
    const long limit = softLimit(RLIMIT_NOFILE);
    if (limit == LONG_MAX) return LONG_MAX;
    // The open ones are listed in /proc; the listing itself takes one, counted with them.
    long open = 0;
    std::error_code error;
    std::filesystem::directory_iterator entry("/proc/self/fd", error);
    if (error) {
        // Without a descriptor to list them, none is free; without /proc, count the standard
        // streams.
        const bool noneLeft = error == std::errc::too_many_files_open ||
                              error == std::errc::too_many_files_open_in_system;
        return noneLeft ? 0 : limit - kStandardStreams;
    }
    for (; entry != std::filesystem::directory_iterator(); entry.increment(error)) {
        if (error) break;
        ++open;
    }
    return limit - open;
}

long SystemLimits::addressSpaceMiB() {
    const long limit = softLimit(RLIMIT_AS);
    return limit == LONG_MAX ? LONG_MAX : limit / kBytesPerMiB;
}

} // namespace vorlin
