// The template of the default names and the field reader under it, on any template.

#include "fuzz_support.h"

#include "records/record_store.h"
#include "records/text_encoding.h"

namespace {

using namespace vorlin;

// The clean file's default names, and the empty records after them up to its last line.
constexpr std::size_t kDefaultNames = 4;
constexpr std::size_t kCleanFileLines = kNumeroRecord + 1;
// Longer templates could hold a name no record line may have; the game's own is a few lines.
constexpr std::size_t kLongestTemplate = kLongestStoredName;

std::filesystem::path programFolder() {
    return fuzz::scratchFolder() / "programma";
}

RecordStore& recordStore() {
    static RecordStore store = [] {
        std::filesystem::create_directories(programFolder() / RecordStore::kDataFolderName);
        RecordStore made;
        made.VerificaEsistenzaFileRecordOSuaCreazionePulito_(programFolder(), programFolder());
        return made;
    }();
    return store;
}

// The fields the reader finds in a text; it must move on at every field.
std::vector<std::string> fieldsOf(const std::string& text, std::size_t most) {
    RecordFieldReader reader(text);
    std::vector<std::string> fields;
    for (std::size_t read = 0;; ++read) {
        fuzz::check(read <= text.size() + 1, "the field reader does not come to an end");
        std::optional<std::string> field = reader.nextField();
        if (!field) break;
        if (fields.size() < most) fields.push_back(std::move(*field));
    }
    return fields;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size > kLongestTemplate) return 0;
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    RecordStore& store = recordStore();
    fuzz::writeFile(programFolder() / RecordStore::kDataFolderName / RecordStore::kTemplateFileName,
                    bytes);
    std::filesystem::remove(store.recordFilePath());

    const std::vector<std::string> names = fieldsOf(cp1252ToUtf8(bytes), kDefaultNames);
    const bool made = store.CreaFileRecordPulito_();
    fuzz::check(made == (names.size() == kDefaultNames), "a clean file made or missed wrongly");
    if (!made) {
        fuzz::check(!std::filesystem::exists(store.recordFilePath()), "half a clean file");
        return 0;
    }
    const std::string file = fuzz::readFile(store.recordFilePath());
    fuzz::check(fuzz::isWellFormedRecordFile(file, kCleanFileLines), "a clean line is broken");
    const RecordFileContents table = store.loadTable();
    for (std::size_t index = 0; index < kDefaultNames; ++index) {
        Record named;
        named.name = names[index];
        fuzz::check(table.records[index].name == fuzz::storedForm(named).name,
                    "a default name changed on its way into the file");
    }
    for (std::size_t index = kDefaultNames; index < table.records.size(); ++index)
        fuzz::check(table.records[index] == Record{}, "a clean file holds more than its names");
    return 0;
}
