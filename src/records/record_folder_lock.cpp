#include "records/record_folder_lock.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/file.h>
#include <thread>
#include <unistd.h>

namespace vorlin {

namespace {

// A save takes a few milliseconds, so a waiting game looks again often.
constexpr std::chrono::milliseconds kRetryPause{5};

} // namespace

RecordFolderLock::RecordFolderLock(const std::filesystem::path& folder,
                                   std::chrono::milliseconds longestWait) {
    descriptor_ = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (descriptor_ < 0) return;
    const auto deadline = std::chrono::steady_clock::now() + longestWait;
    for (;;) {
        if (::flock(descriptor_, LOCK_EX | LOCK_NB) == 0) {
            held_ = true;
            return;
        }
        if (errno != EWOULDBLOCK && errno != EINTR) return;
        if (std::chrono::steady_clock::now() >= deadline) return;
        std::this_thread::sleep_for(kRetryPause);
    }
}

RecordFolderLock::~RecordFolderLock() {
    // Closing the folder lets the lock go.
    if (descriptor_ >= 0) ::close(descriptor_);
}

} // namespace vorlin
