#pragma once

#include "records/record_format.h"

#include <filesystem>
#include <string>
#include <vector>

namespace vorlin {

// What reading a record file found.
enum class RecordFileState {
    Present,    // the file was read (it may still be short or hold damaged lines)
    Missing,    // there is no file: every position is an empty record
    Unreadable, // a file is there but cannot be read; `problem` says why
};

struct RecordFileContents {
    RecordFileState state = RecordFileState::Missing;
    std::vector<Record> records; // always kNumeroRecord entries: position p is records[p - 1]
    int linesRead = 0;           // lines the file really held, at most kNumeroRecord
    std::string problem;         // Italian text for the player when state is Unreadable
};

// One record file on disk: Windows-1252 text, one record per CR LF line.
class RecordFile {
  public:
    explicit RecordFile(std::filesystem::path path) : path_(std::move(path)) {}

    const std::filesystem::path& path() const { return path_; }

    // Reads the first kNumeroRecord lines; anything after them is never read. Positions the file
    // does not reach read as empty records, so a short or missing file still gives a full table.
    RecordFileContents load() const;

    // Replaces the file with these records, one line each, so that a stop at any moment leaves
    // either the old file or the new one, whole. The lines go to `temporaryPath` (in the same
    // folder), which is flushed to disk with its folder and then renamed over the file in one
    // step. Returns an empty text on success, otherwise an Italian message saying what failed;
    // the old file is then untouched.
    std::string replaceWith(const std::vector<Record>& records,
                            const std::filesystem::path& temporaryPath) const;

  private:
    std::filesystem::path path_;
};

// The whole text of the record lines, converted to Windows-1252.
std::string recordFileBytes(const std::vector<Record>& records);

} // namespace vorlin
