#include "program_folders.h"

namespace vorlin {

std::filesystem::path executableFolder() {
    std::error_code error;
    const auto exe = std::filesystem::read_symlink("/proc/self/exe", error);
    return error ? std::filesystem::current_path() : exe.parent_path();
}

} // namespace vorlin
