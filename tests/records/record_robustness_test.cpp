#include "record_test_support.h"

#include "records/record_file.h"
#include "records/record_store.h"

#include <gtest/gtest.h>

#include <random>
#include <regex>

namespace vorlin {
namespace {

namespace fs = std::filesystem;

constexpr int kRandomFiles = 300;
// Each save waits for the disk twice, so only some of the random files are merged into.
constexpr int kRandomFilesMerged = 60;
constexpr int kLongestRandomFile = 6000;
constexpr int kTruncations = 400;

// Random bytes leaning towards the characters the reader cares about.
std::string randomFile(std::mt19937& random) {
    static constexpr char kSpecial[] = {'"', ',', '\r', '\n', ' ', '\t', '0', '9', '\0'};
    std::uniform_int_distribution<int> length(0, kLongestRandomFile);
    std::uniform_int_distribution<int> byte(0, 255);
    std::uniform_int_distribution<int> special(0, sizeof kSpecial - 1);
    std::string bytes(static_cast<std::size_t>(length(random)), '\0');
    for (char& c : bytes)
        c = byte(random) < 96 ? kSpecial[special(random)] : static_cast<char>(byte(random));
    return bytes;
}

class DamagedRecordFile : public ::testing::Test {
  protected:
    void SetUp() override {
        testing::writeTemplate(folder.path(), testing::defaultTemplateNames());
        store.VerificaEsistenzaFileRecordOSuaCreazionePulito_(folder.path(), folder.path() / "x");
    }

    testing::TempFolder folder;
    RecordStore store;
};

TEST_F(DamagedRecordFile, RandomContentReadsAsAFullTableAndIsRewrittenInTheLineFormat) {
    const std::regex recordLine(R"("[^"\r\n]*","[^"\r\n]*","[^"\r\n]*","[^"\r\n]*")");
    std::mt19937 random(7);
    for (int round = 0; round < kRandomFiles; ++round) {
        testing::writeBytes(store.recordFilePath(), randomFile(random));
        const RecordFileContents table = store.loadTable();
        ASSERT_EQ(table.state, RecordFileState::Present);
        ASSERT_EQ(table.records.size(), static_cast<std::size_t>(kNumeroRecord));
        if (round % (kRandomFiles / kRandomFilesMerged) != 0) continue;

        const InsertionResult result =
            store.InserimentoNuovoRecordNelFile_("255", "123456", "05/11/2024", "Nuovo");
        ASSERT_TRUE(result.saved()) << result.errorMessage;
        const std::vector<std::string> lines =
            testing::crLfLines(testing::readBytes(store.recordFilePath()));
        ASSERT_GE(lines.size(), static_cast<std::size_t>(kNumeroRecord)) << "round " << round;
        for (const std::string& line : lines)
            ASSERT_TRUE(std::regex_match(line, recordLine)) << "round " << round << ": " << line;
    }
}

TEST_F(DamagedRecordFile, TruncatedFileKeepsEveryWholeLineBeforeTheCut) {
    const std::string whole = recordFileBytes(testing::descendingTable());
    const std::vector<Record> expected = testing::descendingTable();
    std::mt19937 random(11);
    std::uniform_int_distribution<std::size_t> cut(0, whole.size());
    for (int round = 0; round < kTruncations; ++round) {
        const std::size_t length = cut(random);
        testing::writeBytes(store.recordFilePath(), whole.substr(0, length));
        const RecordFileContents table = store.loadTable();
        const std::size_t wholeLines = static_cast<std::size_t>(
            std::count(whole.begin(), whole.begin() + static_cast<long>(length), '\n'));
        for (std::size_t index = 0; index < wholeLines; ++index)
            ASSERT_EQ(table.records[index], expected[index]) << "cut at " << length;
        for (std::size_t index = wholeLines + 1; index < table.records.size(); ++index)
            ASSERT_EQ(table.records[index], Record{}) << "cut at " << length;
    }
}

// A line with a name of `nameLength` characters, the rest of a stored record around it.
std::string lineWithName(std::size_t nameLength) {
    return "\"16711680\",\"-1234567890123456789\",\"05/11/2024\",\"" +
           std::string(nameLength, 'n') + "\"";
}

struct LongLineCase {
    const char* what;
    std::string bytes;
    bool readable;
};

class LongLine : public DamagedRecordFile, public ::testing::WithParamInterface<LongLineCase> {};

TEST_P(LongLine, AsLongAsARecordReadsLongerIsDamagedAndKept) {
    testing::writeBytes(store.recordFilePath(), GetParam().bytes);
    const RecordFileContents table = store.loadTable();
    if (GetParam().readable) {
        ASSERT_EQ(table.state, RecordFileState::Present);
        EXPECT_EQ(table.records[0].name.size(), kLongestStoredName);
        return;
    }
    EXPECT_EQ(table.state, RecordFileState::Unreadable);
    EXPECT_NE(table.problem.find("danneggiato"), std::string::npos) << table.problem;
    const InsertionResult result =
        store.InserimentoNuovoRecordNelFile_("255", "10", "05/11/2024", "Nuovo");
    EXPECT_FALSE(result.saved());
    EXPECT_TRUE(result.errorMessage.starts_with("Impossibile salvare il record: il file dei"))
        << result.errorMessage;
    EXPECT_EQ(testing::readBytes(store.recordFilePath()), GetParam().bytes);
}

INSTANTIATE_TEST_SUITE_P(
    Lines, LongLine,
    ::testing::Values(
        LongLineCase{"LongestNameAtTheEnd", lineWithName(kLongestStoredName), true},
        LongLineCase{"LongestNameThenMore",
                     lineWithName(kLongestStoredName) + "\r\n\"0\",\"\",\"\",\"\"\r\n", true},
        LongLineCase{"OneCharacterTooMany", lineWithName(kLongestStoredName + 1) + "\r\n", false},
        // Short enough to read, yet longer than that once written back with its quotes.
        LongLineCase{"GrowsWhenWrittenBack", std::string(kLongestRecordLine, 'n') + "\r\n", false},
        LongLineCase{"AfterAGoodLine",
                     "\"255\",\"7\",\"d\",\"a\"\r\n" + std::string(4 * 1024 * 1024, 'n'), false},
        LongLineCase{"NoLineEndAtAll", std::string(4 * 1024 * 1024, '"'), false}),
    [](const auto& info) { return std::string(info.param.what); });

TEST_F(DamagedRecordFile, AFolderInPlaceOfTheFileIsReportedNotOverwritten) {
    fs::remove(store.recordFilePath());
    fs::create_directory(store.recordFilePath());
    EXPECT_EQ(store.loadTable().state, RecordFileState::Unreadable);
    const InsertionResult result =
        store.InserimentoNuovoRecordNelFile_("255", "10", "05/11/2024", "Nuovo");
    EXPECT_EQ(result.PosizioneUltimoRecord, 0);
    EXPECT_TRUE(result.errorMessage.starts_with("Impossibile salvare il record: "))
        << result.errorMessage;
    EXPECT_TRUE(fs::is_directory(store.recordFilePath()));
}

TEST(RecordFieldReaderOnNoise, AlwaysComesToAnEnd) {
    std::mt19937 random(3);
    for (int round = 0; round < kRandomFiles; ++round) {
        const std::string text = randomFile(random);
        RecordFieldReader reader(text);
        std::size_t fields = 0;
        while (reader.nextField())
            ASSERT_LE(++fields, text.size() + 1) << "the reader must move on at every field";
    }
}

} // namespace
} // namespace vorlin
