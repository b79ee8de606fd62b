#include "program_folders.h"

#include <cstdlib>

namespace vorlin {

std::filesystem::path executableFolder() {
    std::error_code error;
    const auto exe = std::filesystem::read_symlink("/proc/self/exe", error);
    return error ? std::filesystem::current_path() : exe.parent_path();
}

std::filesystem::path defaultFallbackRecordFolder() {
    const char* dataHome = std::getenv("XDG_DATA_HOME");
    if (dataHome && *dataHome == '/') return std::filesystem::path(dataHome) / "vorlin";
    const char* home = std::getenv("HOME");
    const std::filesystem::path base = home && *home ? home : "/tmp";
    return base / ".local" / "share" / "vorlin";
}

} // namespace vorlin
