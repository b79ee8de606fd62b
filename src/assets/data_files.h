#pragma once

#include <array>
#include <filesystem>
#include <string>

namespace vorlin {

// The data folder beside the executable and the files the game reads from it.
inline constexpr const char* kDataFolder = "dati";

inline constexpr const char* kBackgroundScheme1 = "Sfondo1.kpb";
inline constexpr const char* kPauseMaskFile = "PausaN1.kpb";
inline constexpr const char* kPauseColourFile = "PausaC1.kpb";
inline constexpr const char* kRecordTemplateFile = "Kpr4.kpr";

// "Sfondo" followed by the scheme number 1..6 and ".kpb".
std::string backgroundFileName(int scheme);

// The five sounds, in the order the load handler stores their paths.
inline constexpr std::array<const char*, 5> kSoundFiles = {
    "Blip2.kps", // a small object is caught
    "B162.kps",  // a small object is lost
    "B154.kps",  // a game starts; a banana is caught
    "B92b.kps",  // a banana is placed in the field
    "Bnn1.kps",  // a scheme's quota is reached
};

// A file of the data folder: <program folder>/dati/<name>.
std::filesystem::path dataPath(const std::filesystem::path& programFolder, const std::string& name);

} // namespace vorlin
