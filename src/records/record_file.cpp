#include "records/record_file.h"

#include "records/text_encoding.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace vorlin {

namespace {

namespace fs = std::filesystem;

constexpr std::size_t kReadChunkBytes = 64 * 1024;
constexpr mode_t kNewFilePermissions = 0644;
// The system itself gives up after this many links in a row.
constexpr int kMostLinksFollowed = 40;
constexpr std::string_view kSaveFailure = "Impossibile salvare il record: ";
constexpr std::string_view kCannotRead = "non si può leggere";
constexpr std::string_view kNotAPlainFile = "non è un file normale";
constexpr std::string_view kTooLong = "è danneggiato: ha una riga più lunga di qualsiasi record";
constexpr std::size_t kLineEndBytes = 2; // CR LF

enum class ReadOutcome { Read, Failed, LineTooLong };

// The UTF-8 byte-order mark that text editors on Windows put at the start of a file they save.
constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

// Reads the file until line `lineLimit` has ended or the file has. A byte-order mark at the very
// start is no part of the first record and is left out. Every line on the way must fit a stored
// record; a longer one stops the reading at once, so a file of one endless line (or one with no
// line end at all) costs no more than a record.
ReadOutcome readLeadingLines(int descriptor, std::size_t lineLimit, std::string& bytes) {
    std::string chunk(kReadChunkBytes, '\0');
    bool startChecked = false;
    std::size_t scanned = 0;
    std::size_t lineEnds = 0;
    std::size_t lineLength = 0;
    bool previousWasCr = false;
    for (;;) {
        const ssize_t got = ::read(descriptor, chunk.data(), chunk.size());
        if (got < 0 && errno == EINTR) continue;
        if (got < 0) return ReadOutcome::Failed;
        const bool ended = got == 0;
        bytes.append(chunk, 0, static_cast<std::size_t>(got));
        if (!startChecked) {
            // The mark is judged once the file has given as many bytes as it has, or the end.
            if (bytes.size() < kByteOrderMark.size() && !ended) continue;
            if (bytes.starts_with(kByteOrderMark)) bytes.erase(0, kByteOrderMark.size());
            startChecked = true;
        }
        for (; scanned < bytes.size(); ++scanned) {
            const char character = bytes[scanned];
            // CR LF, LF and a lone CR each end one line.
            const bool secondHalfOfCrLf = character == '\n' && previousWasCr;
            previousWasCr = character == '\r';
            if (secondHalfOfCrLf) continue;
            if (character == '\r' || character == '\n') {
                lineLength = 0;
                if (++lineEnds == lineLimit) {
                    bytes.resize(scanned + 1);
                    return ReadOutcome::Read;
                }
            } else if (++lineLength > kLongestRecordLine) {
                return ReadOutcome::LineTooLong;
            }
        }
        if (ended) return ReadOutcome::Read;
    }
}

// The bytes of a record's line in the file, without its line end.
std::size_t writtenLineLength(const Record& record) {
    return utf8ToCp1252(formatRecordLine(record)).size() - kLineEndBytes;
}

std::string unreadable(std::string_view why, const fs::path& path) {
    return "Il file dei record " + std::string(why) + " (" + path.string() + ").";
}

std::string failure(std::string_view what, const fs::path& path) {
    return std::string(kSaveFailure) + std::string(what) + " (" + path.string() + ").";
}

// The file a chain of links ends at: the path itself when it is not a link. Empty when the chain
// is too long to be followed (a loop).
fs::path finalTarget(const fs::path& path) {
    fs::path target = path;
    for (int followed = 0; followed <= kMostLinksFollowed; ++followed) {
        std::error_code error;
        if (!fs::is_symlink(fs::symlink_status(target, error))) return target;
        const fs::path pointsTo = fs::read_symlink(target, error);
        if (error) return {};
        target = pointsTo.is_absolute() ? pointsTo : target.parent_path() / pointsTo;
    }
    return {};
}

} // namespace

RecordFileContents RecordFile::load() const {
    RecordFileContents contents;
    contents.records.assign(kNumeroRecord, Record{});
    struct stat status {};
    if (::stat(path_.c_str(), &status) != 0) {
        if (errno == ENOENT || errno == ENOTDIR) return contents;
        contents.state = RecordFileState::Unreadable;
        contents.problem = unreadable(kCannotRead, path_);
        return contents;
    }
    contents.state = RecordFileState::Unreadable;
    // A pipe, a device or a folder is never opened for reading: a pipe would wait for a writer
    // and a device may never end. The check is made again on the open file, which cannot change.
    if (!S_ISREG(status.st_mode)) {
        contents.problem = unreadable(kNotAPlainFile, path_);
        return contents;
    }
    const int descriptor = ::open(path_.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (descriptor < 0) {
        contents.problem = unreadable(kCannotRead, path_);
        return contents;
    }
    if (::fstat(descriptor, &status) != 0 || !S_ISREG(status.st_mode)) {
        ::close(descriptor);
        contents.problem = unreadable(kNotAPlainFile, path_);
        return contents;
    }
    std::string bytes;
    const ReadOutcome outcome = readLeadingLines(descriptor, kNumeroRecord, bytes);
    ::close(descriptor);
    if (outcome == ReadOutcome::Failed) {
        contents.problem = unreadable(kCannotRead, path_);
        return contents;
    }
    if (outcome == ReadOutcome::LineTooLong) {
        contents.problem = unreadable(kTooLong, path_);
        return contents;
    }
    const std::string text = cp1252ToUtf8(bytes);
    const std::vector<std::string_view> lines = splitLines(text, kNumeroRecord);
    for (std::size_t index = 0; index < lines.size(); ++index) {
        contents.records[index] = parseRecordLine(lines[index]);
        // Written again in the record layout (quotes and missing fields added), the line must
        // still be one the reader takes, or the next save would leave a file it refuses.
        if (writtenLineLength(contents.records[index]) > kLongestRecordLine) {
            contents.records.assign(kNumeroRecord, Record{});
            contents.problem = unreadable(kTooLong, path_);
            return contents;
        }
    }
    contents.state = RecordFileState::Present;
    contents.linesRead = static_cast<int>(lines.size());
    return contents;
}

std::string RecordFile::replaceWith(const std::vector<Record>& records,
                                    std::string_view temporaryName) const {
    const fs::path target = finalTarget(path_);
    if (target.empty()) return failure("il file dei record è un giro di collegamenti", path_);
    const fs::path folder = target.parent_path().empty() ? "." : target.parent_path();
    const fs::path temporaryPath = folder / temporaryName;

    // A leftover temporary file goes first; unlink removes a link itself, never its target. The
    // new file is made only where nothing is, and never through a link: one planted there in
    // the meantime makes the save fail instead of overwriting what it points at.
    ::unlink(temporaryPath.c_str());
    const int descriptor =
        ::open(temporaryPath.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC,
               kNewFilePermissions);
    if (descriptor < 0) return failure("non si può creare il file temporaneo", temporaryPath);
    const bool written = calls_.write(descriptor, recordFileBytes(records));
    const bool flushed = written && calls_.flushFile(descriptor);
    const bool closed = ::close(descriptor) == 0;
    std::string problem;
    if (!written || !flushed || !closed)
        problem = failure("non si può scrivere il file temporaneo (disco pieno?)", temporaryPath);
    else if (!calls_.rename(temporaryPath, target))
        problem = failure("non si può sostituire il file dei record", target);
    if (!problem.empty()) {
        ::unlink(temporaryPath.c_str());
        return problem;
    }
    // The new name is in place; flushing the folder makes it outlast a power cut. The records
    // are already safe in either file, so a failure here changes nothing for the player.
    calls_.flushFolder(folder);
    return {};
}

std::string recordFileBytes(const std::vector<Record>& records) {
    std::string text;
    for (const Record& record : records)
        text += formatRecordLine(record);
    return utf8ToCp1252(text);
}

} // namespace vorlin
