#pragma once

#include <chrono>
#include <filesystem>

namespace vorlin {

// An exclusive hold on the record folder, so that two games saving into the same folder at the
// same moment take turns: each reads, merges and renames while the other waits. The lock sits on
// the folder itself (an advisory flock), so no lock file ever appears beside the table, and the
// system drops it when the holder ends, however it ends.
class RecordFolderLock {
  public:
    // How long a save waits for another game to finish its own before giving up.
    static constexpr std::chrono::milliseconds kLongestWait{5000};

    // Tries to take the lock until `longestWait` has passed.
    explicit RecordFolderLock(const std::filesystem::path& folder,
                              std::chrono::milliseconds longestWait = kLongestWait);
    ~RecordFolderLock();
    RecordFolderLock(const RecordFolderLock&) = delete;
    RecordFolderLock& operator=(const RecordFolderLock&) = delete;

    // True when this game holds the folder.
    bool held() const { return held_; }

  private:
    int descriptor_ = -1;
    bool held_ = false;
};

} // namespace vorlin
