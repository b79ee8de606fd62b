#pragma once

#include <filesystem>
#include <string_view>

namespace vorlin {

// The file calls the record writer makes to put a new table on disk, in the order it makes them:
// write the lines, flush the file, rename it over the table, flush the folder. The writer goes
// through this interface so that a test can watch the order or make one call fail; the game uses
// the real calls of systemRecordFileCalls().
class RecordFileCalls {
  public:
    virtual ~RecordFileCalls() = default;

    // Writes every byte to the open file; false when the disk refuses any of them.
    virtual bool write(int descriptor, std::string_view bytes) const = 0;
    // Flushes the open file's contents to disk.
    virtual bool flushFile(int descriptor) const = 0;
    // Gives the file `from` the name `to` in one step, replacing what was there.
    virtual bool rename(const std::filesystem::path& from,
                        const std::filesystem::path& to) const = 0;
    // Flushes a folder's entries to disk, so that a rename in it outlasts a power cut.
    virtual bool flushFolder(const std::filesystem::path& folder) const = 0;
};

// The operating system's own calls.
const RecordFileCalls& systemRecordFileCalls();

} // namespace vorlin
