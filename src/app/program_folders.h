#pragma once

#include "records/record_store.h"

#include <filesystem>
#include <string_view>

namespace vorlin {

// The file the install rules put beside the installed program. Its presence is what tells the
// game it runs from the installed layout.
inline constexpr std::string_view kInstalledMarkerName = "installed";

// The folder that holds the running executable: the program folder, with dati/ inside.
std::filesystem::path executableFolder();

// Where the records of a game run from this program folder may be kept: only in the player's own
// folder when the folder was installed, otherwise beside the program when it may write there.
RecordFolderRule recordFolderRuleFor(const std::filesystem::path& programFolder);

} // namespace vorlin
