#pragma once

#include "records/record_file_calls.h"
#include "records/record_format.h"

#include <filesystem>
#include <string>
#include <vector>

namespace vorlin {

// What reading a record file found.
enum class RecordFileState {
    Present,    // the file was read (it may still be short or hold damaged lines)
    Missing,    // there is no file: every position is an empty record
    Unreadable, // a file is there but cannot be read, is not a plain file or is damaged beyond
                // any record; `problem` says why. Such a file is never replaced.
};

struct RecordFileContents {
    RecordFileState state = RecordFileState::Missing;
    std::vector<Record> records; // always kNumeroRecord entries: position p is records[p - 1]
    int linesRead = 0;           // lines the file really held, at most kNumeroRecord
    std::string problem;         // Italian text for the player when state is Unreadable
};

// The longest line a stored record can have: the name box takes at most 32,767 characters, each
// one byte in Windows-1252, plus the colour, the points, the date, four pairs of quotes and three
// commas. A longer line was never written by the game, so the file holding it is damaged.
inline constexpr std::size_t kLongestStoredName = 32767;
inline constexpr std::size_t kLongestRecordLine =
    kLongestStoredName + 8 /* colour */ + 20 /* points */ + 10 /* date */ + 8 + 3;

// One record file on disk: Windows-1252 text, one record per CR LF line. The file may be a
// symbolic link; it is then read through the link, and a new table replaces the link's final
// target, so the link keeps pointing at the current table.
class RecordFile {
  public:
    explicit RecordFile(std::filesystem::path path,
                        const RecordFileCalls& calls = systemRecordFileCalls())
        : path_(std::move(path)), calls_(calls) {}

    const std::filesystem::path& path() const { return path_; }

    // Reads the first kNumeroRecord lines; anything after them is never read. Positions the file
    // does not reach read as empty records, so a short or missing file still gives a full table.
    // A UTF-8 byte-order mark at the very start (a table saved by a Windows editor) is skipped,
    // so the first record keeps its colour; the table written back has no mark.
    // Only a plain file is read, and reading never waits for a writer: a pipe, a device or a
    // folder in its place is unreadable, and so is a file with a line longer than any record.
    RecordFileContents load() const;

    // Replaces the file with these records, one line each, so that a stop at any moment leaves
    // either the old file or the new one, whole. The lines go to a new file `temporaryName`
    // beside the table (a leftover of that name is removed first, and a link planted there is
    // never followed), which is flushed to disk and then renamed over the table in one step;
    // the folder is flushed last. Returns an empty text on success, otherwise an Italian message
    // saying what failed; the old file is then untouched.
    std::string replaceWith(const std::vector<Record>& records,
                            std::string_view temporaryName) const;

  private:
    std::filesystem::path path_;
    const RecordFileCalls& calls_;
};

// The whole text of the record lines, converted to Windows-1252.
std::string recordFileBytes(const std::vector<Record>& records);

} // namespace vorlin
