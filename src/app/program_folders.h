#pragma once

#include <filesystem>

namespace vorlin {

// The folder that holds the running executable: the program folder, with dati/ inside.
std::filesystem::path executableFolder();

} // namespace vorlin
