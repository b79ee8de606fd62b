#include "records/record_file_calls.h"

#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <unistd.h>

namespace vorlin {

namespace {

class SystemRecordFileCalls final : public RecordFileCalls {
  public:
    bool write(int descriptor, std::string_view bytes) const override {
        while (!bytes.empty()) {
            const ssize_t written = ::write(descriptor, bytes.data(), bytes.size());
            if (written < 0 && errno == EINTR) continue;
            if (written <= 0) return false;
            bytes.remove_prefix(static_cast<std::size_t>(written));
        }
        return true;
    }

    bool flushFile(int descriptor) const override { return ::fsync(descriptor) == 0; }

    bool rename(const std::filesystem::path& from, const std::filesystem::path& to) const override {
        return std::rename(from.c_str(), to.c_str()) == 0;
    }

    // Filesystems that cannot flush a folder say so with EINVAL; there is nothing more to flush
    // on them.
    bool flushFolder(const std::filesystem::path& folder) const override {
        const int descriptor = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
        if (descriptor < 0) return false;
        const bool flushed = ::fsync(descriptor) == 0 || errno == EINVAL;
        ::close(descriptor);
        return flushed;
    }
};

} // namespace

const RecordFileCalls& systemRecordFileCalls() {
    static const SystemRecordFileCalls calls;
    return calls;
}

} // namespace vorlin
