// The record reader and the insertion of a result, on any record file and any typed name.
//
// Input: two bytes of points (big-endian), one byte giving the length of the typed name, the
// name, then the bytes of the record file.

#include "fuzz_support.h"

#include "records/record_file.h"
#include "records/record_store.h"
#include "records/text_encoding.h"

namespace {

using namespace vorlin;

constexpr std::size_t kHeaderBytes = 3;
constexpr std::string_view kColour = "255";
constexpr std::string_view kDate = "05/11/2024";

const RecordStore& recordStore() {
    static const RecordStore store = [] {
        const std::filesystem::path folder = fuzz::scratchFolder() / "record";
        std::filesystem::create_directories(folder);
        RecordStore made;
        made.VerificaEsistenzaFileRecordOSuaCreazionePulito_(folder, folder);
        return made;
    }();
    return store;
}

// The name as it reads back from the file: made safe for its field, then through the file's
// Windows-1252 text.
std::string nameAsStored(std::string_view typedName) {
    return cp1252ToUtf8(utf8ToCp1252(RecordStore::ElaboraNomeGiocatore_(typedName)));
}

// A table the reader gave, written and read again, is the same table.
void checkWrittenTableReadsBack(const std::vector<Record>& table) {
    const RecordFile copy(fuzz::scratchFolder() / "copia.kpr");
    fuzz::check(copy.replaceWith(table, "copia.tmp").empty(), "a table could not be written");
    const std::string bytes = fuzz::readFile(copy.path());
    fuzz::check(fuzz::isWellFormedRecordFile(bytes, table.size()), "a written line is broken");
    const RecordFileContents again = copy.load();
    fuzz::check(again.state == RecordFileState::Present, "a written table is unreadable");
    fuzz::check(again.records == fuzz::storedForm(table), "a written table reads back changed");
}

// The result goes just before the first record with fewer points; every stored record keeps
// its order, and the table keeps its first 1000.
void checkInsertion(const std::vector<Record>& stored, std::string_view points,
                    std::string_view typedName) {
    const RecordStore& store = recordStore();
    const std::int64_t newPoints = pointsValue(points);
    const InsertionResult result =
        store.InserimentoNuovoRecordNelFile_(kColour, points, kDate, typedName);
    fuzz::check(result.saved(), "a readable table could not take a result");

    // The ranking reads the points as they are in the file being merged into.
    int position = 0;
    for (std::size_t index = 0; index < stored.size() && position == 0; ++index)
        if (pointsValue(stored[index].points) < newPoints) position = static_cast<int>(index) + 1;
    std::vector<Record> expected = fuzz::storedForm(stored);
    fuzz::check(result.PosizioneUltimoRecord == position, "the result took the wrong place");
    if (position > 0) {
        const Record entered{std::string(kColour), std::string(points), std::string(kDate),
                             nameAsStored(typedName)};
        expected.insert(expected.begin() + (position - 1), entered);
        expected.resize(kNumeroRecord);
    }
    const std::string bytes = fuzz::readFile(store.recordFilePath());
    const std::size_t lines = position > 0 ? kNumeroRecord + 1 : kNumeroRecord;
    fuzz::check(fuzz::isWellFormedRecordFile(bytes, lines), "a merged line is broken");
    fuzz::check(store.loadTable().records == expected, "the merge lost or moved a record");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < kHeaderBytes) return 0;
    const std::string points = std::to_string(data[0] * 256 + data[1]);
    const std::size_t nameLength = std::min<std::size_t>(data[2], size - kHeaderBytes);
    const std::string_view input(reinterpret_cast<const char*>(data), size);
    const std::string_view typedName = input.substr(kHeaderBytes, nameLength);
    const std::string_view fileBytes = input.substr(kHeaderBytes + nameLength);

    const RecordStore& store = recordStore();
    fuzz::writeFile(store.recordFilePath(), fileBytes);
    const RecordFileContents table = store.loadTable();
    fuzz::check(table.records.size() == static_cast<std::size_t>(kNumeroRecord),
                "the table is not full");
    if (table.state != RecordFileState::Present) {
        fuzz::check(!table.problem.empty(), "an unreadable file without a word");
        fuzz::check(
            !store.InserimentoNuovoRecordNelFile_(kColour, points, kDate, typedName).saved(),
            "an unreadable file was replaced");
        fuzz::check(fuzz::readFile(store.recordFilePath()) == fileBytes,
                    "an unreadable file was changed");
        return 0;
    }
    checkWrittenTableReadsBack(table.records);
    checkInsertion(table.records, points, typedName);
    return 0;
}
