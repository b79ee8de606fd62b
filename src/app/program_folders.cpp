#include "program_folders.h"

namespace vorlin {

std::filesystem::path executableFolder() {
    std::error_code error;
    const auto exe = std::filesystem::read_symlink("/proc/self/exe", error);
    return error ? std::filesystem::current_path() : exe.parent_path();
}

RecordFolderRule recordFolderRuleFor(const std::filesystem::path& programFolder) {
    // Only the install rules write the marker, under any prefix and in the package alike; a
    // build folder or an unpacked folder of the game's own has none.
    std::error_code ignored;
    return std::filesystem::exists(programFolder / kInstalledMarkerName, ignored)
               ? RecordFolderRule::UserFolderOnly
               : RecordFolderRule::ProgramFolderWhenWritable;
}

} // namespace vorlin
