#include "fuzz_support.h"

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <unistd.h>

namespace vorlin::fuzz {

namespace fs = std::filesystem;

namespace {

constexpr const char* kMemoryFolder = "/dev/shm";
constexpr char kReplacement = '-';
constexpr std::size_t kFieldsPerLine = 4;

fs::path makeScratchFolder() {
    std::error_code error;
    const fs::path base =
        fs::is_directory(kMemoryFolder, error) && ::access(kMemoryFolder, W_OK) == 0
            ? fs::path(kMemoryFolder)
            : fs::temp_directory_path();
    std::string pattern = (base / "vorlin-fuzz-XXXXXX").string();
    check(::mkdtemp(pattern.data()) != nullptr, "no scratch folder");
    return pattern;
}

void removeScratchFolder() {
    std::error_code ignored;
    fs::remove_all(scratchFolder(), ignored);
}

bool breaksTheField(char character) {
    const auto byte = static_cast<unsigned char>(character);
    return character == '"' || byte < 0x20 || byte == 0x7F;
}

std::string storedField(std::string field) {
    for (char& character : field)
        if (breaksTheField(character)) character = kReplacement;
    return field;
}

} // namespace

const fs::path& scratchFolder() {
    // Never destroyed, so that it still names the folder when the removal runs at exit.
    static const fs::path* const folder = [] {
        const fs::path* made = new fs::path(makeScratchFolder());
        std::atexit(removeScratchFolder);
        return made;
    }();
    return *folder;
}

void check(bool condition, std::string_view what) {
    if (condition) return;
    std::fprintf(stderr, "invariant broken: %.*s\n", static_cast<int>(what.size()), what.data());
    std::abort();
}

Record storedForm(const Record& record) {
    return {storedField(record.colour), storedField(record.points), storedField(record.date),
            storedField(record.name)};
}

std::vector<Record> storedForm(const std::vector<Record>& records) {
    std::vector<Record> stored;
    stored.reserve(records.size());
    for (const Record& record : records)
        stored.push_back(storedForm(record));
    return stored;
}

bool isWellFormedRecordFile(std::string_view bytes, std::size_t lines) {
    for (std::size_t line = 0; line < lines; ++line) {
        for (std::size_t field = 0; field < kFieldsPerLine; ++field) {
            if (bytes.empty() || bytes.front() != '"') return false;
            const std::size_t close = bytes.find('"', 1);
            if (close == std::string_view::npos) return false;
            const std::string_view value = bytes.substr(1, close - 1);
            if (value.find_first_of("\r\n") != std::string_view::npos) return false;
            bytes.remove_prefix(close + 1);
            const std::string_view separator = field + 1 < kFieldsPerLine ? "," : "\r\n";
            if (!bytes.starts_with(separator)) return false;
            bytes.remove_prefix(separator.size());
        }
    }
    return bytes.empty();
}

std::string readFile(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void writeFile(const fs::path& path, std::string_view bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    check(static_cast<bool>(out), "cannot write a scratch file");
}

} // namespace vorlin::fuzz
