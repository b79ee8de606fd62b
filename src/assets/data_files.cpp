#include "data_files.h"

namespace vorlin {

std::string backgroundFileName(int scheme) {
    return "Sfondo" + std::to_string(scheme) + ".kpb";
}

std::filesystem::path dataPath(const std::filesystem::path& programFolder,
                               const std::string& name) {
    return programFolder / kDataFolder / name;
}

} // namespace vorlin
