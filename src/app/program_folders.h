#pragma once

#include <filesystem>

namespace vorlin {

// The folder that holds the running executable: the program folder, with dati/ inside.
std::filesystem::path executableFolder();

// Where the records go when the program folder is not writable:
// $XDG_DATA_HOME/vorlin, by default ~/.local/share/vorlin.
std::filesystem::path defaultFallbackRecordFolder();

} // namespace vorlin
