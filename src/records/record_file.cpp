#include "records/record_file.h"

#include "records/text_encoding.h"

#include <cerrno>
#include <fcntl.h>
#include <fstream>
#include <unistd.h>

namespace vorlin {

namespace {

constexpr std::size_t kReadChunkBytes = 64 * 1024;
constexpr mode_t kNewFilePermissions = 0644;
constexpr std::string_view kSaveFailure = "Impossibile salvare il record: ";

// Counts the line ends in a text: CR LF, LF and a lone CR each end one line. A CR as the last byte
// counts too, since whatever follows it starts a new line.
std::size_t countLineEnds(std::string_view text) {
    std::size_t count = 0;
    for (std::size_t at = 0; at < text.size(); ++at) {
        if (text[at] == '\n' && (at == 0 || text[at - 1] != '\r'))
            ++count;
        else if (text[at] == '\r')
            ++count;
    }
    return count;
}

// Reads the file until it holds more than `lineLimit` line ends (so line `lineLimit` is complete)
// or until its end. Returns false when the file cannot be read.
bool readLeadingLines(const std::filesystem::path& path, std::size_t lineLimit,
                      std::string& bytes) {
    std::ifstream in(path, std::ios::binary);
    if (!in) return false;
    std::string chunk(kReadChunkBytes, '\0');
    std::size_t lineEnds = 0;
    while (lineEnds <= lineLimit) {
        in.read(chunk.data(), static_cast<std::streamsize>(chunk.size()));
        const auto got = static_cast<std::size_t>(in.gcount());
        // A CR LF split over two chunks is one line end, not two.
        const bool splitCrLf =
            !bytes.empty() && bytes.back() == '\r' && got > 0 && chunk[0] == '\n';
        bytes.append(chunk, 0, got);
        lineEnds += countLineEnds(std::string_view(chunk).substr(0, got));
        if (splitCrLf) --lineEnds;
        if (in.bad()) return false;
        if (got < chunk.size()) break;
    }
    return true;
}

std::string failure(std::string_view what, const std::filesystem::path& path) {
    return std::string(kSaveFailure) + std::string(what) + " (" + path.string() + ").";
}

bool writeAll(int descriptor, std::string_view bytes) {
    while (!bytes.empty()) {
        const ssize_t written = ::write(descriptor, bytes.data(), bytes.size());
        if (written < 0 && errno == EINTR) continue;
        if (written <= 0) return false;
        bytes.remove_prefix(static_cast<std::size_t>(written));
    }
    return true;
}

// Flushes a folder's entries to disk. Filesystems that cannot sync a folder say so with EINVAL;
// there is nothing more to flush on them.
bool syncFolder(const std::filesystem::path& folder) {
    const int descriptor = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (descriptor < 0) return false;
    const bool synced = ::fsync(descriptor) == 0 || errno == EINVAL;
    ::close(descriptor);
    return synced;
}

// Writes the bytes to a new file and flushes them to disk.
std::string writeDurably(const std::filesystem::path& path, std::string_view bytes) {
    const int descriptor =
        ::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, kNewFilePermissions);
    if (descriptor < 0) return failure("non si può creare il file temporaneo", path);
    const bool written = writeAll(descriptor, bytes);
    const bool synced = written && ::fsync(descriptor) == 0;
    const bool closed = ::close(descriptor) == 0;
    if (!written || !synced || !closed)
        return failure("non si può scrivere il file temporaneo (disco pieno?)", path);
    return {};
}

} // namespace

RecordFileContents RecordFile::load() const {
    RecordFileContents contents;
    contents.records.assign(kNumeroRecord, Record{});
    std::error_code error;
    const std::filesystem::file_status status = std::filesystem::status(path_, error);
    if (status.type() == std::filesystem::file_type::not_found) {
        contents.state = RecordFileState::Missing;
        return contents;
    }
    std::string bytes;
    if (status.type() == std::filesystem::file_type::directory ||
        !readLeadingLines(path_, kNumeroRecord, bytes)) {
        contents.state = RecordFileState::Unreadable;
        contents.problem = "Il file dei record non si può leggere (" + path_.string() + ").";
        return contents;
    }
    contents.state = RecordFileState::Present;
    const std::string text = cp1252ToUtf8(bytes);
    const std::vector<std::string_view> lines = splitLines(text, kNumeroRecord);
    for (std::size_t index = 0; index < lines.size(); ++index)
        contents.records[index] = parseRecordLine(lines[index]);
    contents.linesRead = static_cast<int>(lines.size());
    return contents;
}

std::string RecordFile::replaceWith(const std::vector<Record>& records,
                                    const std::filesystem::path& temporaryPath) const {
    const std::filesystem::path folder = path_.parent_path().empty() ? "." : path_.parent_path();
    std::string problem = writeDurably(temporaryPath, recordFileBytes(records));
    if (problem.empty() && !syncFolder(folder))
        problem = failure("non si può aggiornare la cartella dei record", folder);
    if (problem.empty()) {
        std::error_code error;
        std::filesystem::rename(temporaryPath, path_, error);
        if (error) problem = failure("non si può sostituire il file dei record", path_);
    }
    if (!problem.empty()) {
        std::error_code ignored;
        std::filesystem::remove(temporaryPath, ignored);
        return problem;
    }
    // The new name is in place; flushing the folder makes it outlast a power cut. The records
    // are already safe in either file, so a failure here changes nothing for the player.
    syncFolder(folder);
    return {};
}

std::string recordFileBytes(const std::vector<Record>& records) {
    std::string text;
    for (const Record& record : records)
        text += formatRecordLine(record);
    return utf8ToCp1252(text);
}

} // namespace vorlin
