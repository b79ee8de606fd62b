#include "record_test_support.h"

#include "records/record_file.h"
#include "records/record_store.h"
#include "records/text_encoding.h"

#include <gtest/gtest.h>

#include <regex>

namespace vorlin {
namespace {

namespace fs = std::filesystem;
using testing::crLfLines;
using testing::readBytes;

constexpr const char* kEmptyLine = R"("0","","","")";

// A program folder with its template and a clean record file.
class RecordInsertion : public ::testing::Test {
  protected:
    void SetUp() override {
        testing::writeTemplate(folder.path(), testing::defaultTemplateNames());
        store.VerificaEsistenzaFileRecordOSuaCreazionePulito_(folder.path(),
                                                              folder.path() / "fallback");
        ASSERT_EQ(store.PercorsoRecord(), folder.path());
    }

    std::vector<std::string> fileLines() const { return crLfLines(readBytes(recordFile())); }
    fs::path recordFile() const { return folder.path() / "Recordc1.kpr"; }

    InsertionResult insert(const std::string& points, const std::string& name = "Nuovo") {
        return store.InserimentoNuovoRecordNelFile_("255", points, "05/11/2024", name);
    }

    testing::TempFolder folder;
    RecordStore store;
};

TEST_F(RecordInsertion, CleanFileHoldsTheDefaultsThenEmptyRecords) {
    const std::string bytes = readBytes(recordFile());
    std::string expected = "\"65535\",\"31111\",\"20/07/2003\",\"Kaprel\"\r\n"
                           "\"65280\",\"25082\",\"20/07/2003\",\"Vorlin\"\r\n"
                           "\"16711680\",\"20058\",\"20/07/2003\",\"Banana\"\r\n"
                           "\"255\",\"15051\",\"20/07/2003\",\"Quarzo\"\r\n";
    for (int line = 5; line <= 1001; ++line)
        expected += std::string(kEmptyLine) + "\r\n";
    EXPECT_EQ(bytes, expected);
}

struct Placement {
    std::string points;
    int position;
};

class InsertionPlace : public RecordInsertion, public ::testing::WithParamInterface<Placement> {};

TEST_P(InsertionPlace, ResultGoesBeforeTheFirstLowerScore) {
    const std::vector<std::string> before = fileLines();
    const InsertionResult result = insert(GetParam().points);
    ASSERT_TRUE(result.saved()) << result.errorMessage;
    EXPECT_EQ(result.PosizioneUltimoRecord, GetParam().position);

    const std::vector<std::string> after = fileLines();
    const int k = GetParam().position;
    if (k == 0) {
        // Not entered: the first 1000 lines, the unread 1001st dropped.
        EXPECT_EQ(after, std::vector<std::string>(before.begin(), before.begin() + 1000));
        return;
    }
    ASSERT_EQ(after.size(), 1001u);
    EXPECT_EQ(after[k - 1], "\"255\",\"" + GetParam().points + "\",\"05/11/2024\",\"Nuovo\"");
    for (int line = 1; line < k; ++line)
        EXPECT_EQ(after[line - 1], before[line - 1]);
    for (int line = k; line <= 1000; ++line)
        EXPECT_EQ(after[line], before[line - 1]) << "stored record " << line << " moves down";
}

INSTANTIATE_TEST_SUITE_P(CleanFile, InsertionPlace,
                         ::testing::Values(Placement{"31112", 1}, Placement{"31111", 2},
                                           Placement{"20058", 4}, Placement{"15052", 4},
                                           Placement{"1", 5}, Placement{"0", 0}));

TEST_F(RecordInsertion, FullTableTakesOnlyABetterResultThanTheLast) {
    ASSERT_TRUE(RecordFile(recordFile()).replaceWith(testing::descendingTable(), "tmp").empty());
    const std::vector<std::string> full = fileLines();
    ASSERT_EQ(full.back(), R"("65280","500","01/02/2003","Giocatore 1000")");

    EXPECT_EQ(insert("500").PosizioneUltimoRecord, 0);
    EXPECT_EQ(fileLines(), full);

    EXPECT_EQ(insert("501").PosizioneUltimoRecord, 1000);
    const std::vector<std::string> after = fileLines();
    ASSERT_EQ(after.size(), 1001u);
    EXPECT_EQ(after[999], R"("255","501","05/11/2024","Nuovo")");
    EXPECT_EQ(after[1000], full.back());

    // The former last record is never read again and goes at the next merge.
    EXPECT_EQ(insert("0").PosizioneUltimoRecord, 0);
    EXPECT_EQ(fileLines().size(), 1000u);
    EXPECT_EQ(fileLines().back(), R"("255","501","05/11/2024","Nuovo")");
}

struct NameCase {
    std::string typed;
    std::string stored;    // as read back, UTF-8
    std::string fileBytes; // as the name stands in the file
};

class PlayerName : public RecordInsertion, public ::testing::WithParamInterface<NameCase> {};

TEST_P(PlayerName, IsStoredInOneQuotedField) {
    const InsertionResult result = insert("40000", GetParam().typed);
    ASSERT_EQ(result.PosizioneUltimoRecord, 1);
    const std::vector<std::string> lines = fileLines();
    ASSERT_EQ(lines.size(), 1001u) << "the name must not add or split lines";
    EXPECT_EQ(lines[0], "\"255\",\"40000\",\"05/11/2024\",\"" + GetParam().fileBytes + "\"");
    EXPECT_EQ(store.loadTable().records[0].name, GetParam().stored);
    EXPECT_EQ(store.loadTable().records[1].name, "Kaprel");
}

INSTANTIATE_TEST_SUITE_P(
    Names, PlayerName,
    ::testing::Values(NameCase{"Ab\"c", "Ab-c", "Ab-c"},
                      NameCase{"Rossi, Mario", "Rossi, Mario", "Rossi, Mario"},
                      NameCase{"  spazi  ", "  spazi  ", "  spazi  "},
                      NameCase{"Niccolò Àlfieri", "Niccolò Àlfieri", "Niccol\xF2 \xC0lfieri"},
                      NameCase{"€uro “x”", "€uro “x”", "\x80uro \x93x\x94"},
                      NameCase{"riga1\nriga2", "riga1-riga2", "riga1-riga2"},
                      NameCase{"a\r\nb\tc", "a--b-c", "a--b-c"}, NameCase{"c1\u0085", "c1-", "c1-"},
                      NameCase{"日本", "??", "??"}, NameCase{"", "", ""}));

TEST_F(RecordInsertion, MissingFileGetsACompleteTable) {
    fs::remove(recordFile());
    const InsertionResult result = insert("100");
    ASSERT_TRUE(result.saved()) << result.errorMessage;
    EXPECT_EQ(result.PosizioneUltimoRecord, 1);
    const std::vector<std::string> lines = fileLines();
    ASSERT_EQ(lines.size(), 1001u);
    EXPECT_EQ(lines[0], R"("255","100","05/11/2024","Nuovo")");
    for (std::size_t line = 1; line < lines.size(); ++line)
        ASSERT_EQ(lines[line], kEmptyLine) << "line " << line + 1;
}

TEST_F(RecordInsertion, ShortAndDamagedFileIsCompletedWithoutLosingItsRecords) {
    testing::writeBytes(recordFile(), "\"255\",\"900\",\"01/01/2001\",\"Primo\"\r\n"
                                      "rotta, senza \"virgolette\r\n"
                                      "\"65535\",\"300\",\"02/02/2002\",\"Terzo\"");
    const RecordFileContents table = store.loadTable();
    EXPECT_EQ(table.linesRead, 3);
    EXPECT_EQ(table.records[2].name, "Terzo");
    EXPECT_EQ(table.records[3], Record{});

    EXPECT_EQ(insert("500").PosizioneUltimoRecord, 2);
    const std::vector<std::string> lines = fileLines();
    ASSERT_EQ(lines.size(), 1001u);
    EXPECT_EQ(lines[0], R"("255","900","01/01/2001","Primo")");
    EXPECT_EQ(lines[1], R"("255","500","05/11/2024","Nuovo")");
    EXPECT_EQ(lines[2], R"("rotta","senza -virgolette","","")");
    EXPECT_EQ(lines[3], R"("65535","300","02/02/2002","Terzo")");
    EXPECT_EQ(lines[4], kEmptyLine);
}

// A table saved again by a text editor on Windows starts with a UTF-8 byte-order mark.
TEST_F(RecordInsertion, AByteOrderMarkAtTheStartIsSkippedAndNotWrittenBack) {
    const std::string mark = "\xEF\xBB\xBF";
    const std::string first = "\"65535\",\"900\",\"01/01/2001\",\"Primo\"\r\n";
    const std::string second = "\"65280\",\"800\",\"02/02/2002\",\"Secondo\"\r\n";
    // Only the whole mark, and only at the very start, is skipped: anywhere else its bytes are
    // Windows-1252 characters of the record, as they always were.
    struct Case {
        const char* name;
        std::string bytes;
        int linesRead;
        std::string firstColour;
        std::string secondColour;
    };
    const Case cases[] = {
        {"a mark before the first record", mark + first + second, 2, "65535", "65280"},
        {"a mark and nothing else", mark, 0, "0", "0"},
        {"a mark before the second record", first + mark + second, 2, "65535", "ï»¿\"65280\""},
        {"two marks", mark + mark + first, 1, "ï»¿\"65535\"", "0"},
        {"half a mark", "\xEF\xBB" + first, 1, "ï»\"65535\"", "0"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        testing::writeBytes(recordFile(), c.bytes);
        const RecordFileContents table = store.loadTable();
        ASSERT_EQ(table.state, RecordFileState::Present);
        EXPECT_EQ(table.linesRead, c.linesRead);
        EXPECT_EQ(table.records[0].colour, c.firstColour);
        EXPECT_EQ(table.records[1].colour, c.secondColour);
    }

    testing::writeBytes(recordFile(), mark + first + second);
    ASSERT_EQ(insert("850").PosizioneUltimoRecord, 2);
    const std::string written = readBytes(recordFile());
    EXPECT_TRUE(written.starts_with(first)) << written.substr(0, 40);
    const std::vector<std::string> lines = crLfLines(written);
    ASSERT_EQ(lines.size(), 1001u);
    EXPECT_EQ(lines[1], R"("255","850","05/11/2024","Nuovo")");
    EXPECT_EQ(lines[2] + "\r\n", second);
}

// The folder or the file refuses the player: the merge reports it and changes nothing.
struct RefusalCase {
    const char* what;
    fs::perms folderPermissions;
    fs::perms filePermissions;
};

class RefusedSave : public RecordInsertion, public ::testing::WithParamInterface<RefusalCase> {};

TEST_P(RefusedSave, KeepsTheOldFileAndSaysWhy) {
    ASSERT_TRUE(insert("27000", "Vecchio").saved());
    const std::string before = readBytes(recordFile());
    fs::permissions(recordFile(), GetParam().filePermissions);
    fs::permissions(folder.path(), GetParam().folderPermissions);

    const RecordStore& shared = store;
    const std::string message = testing::runUnprivileged([&shared] {
        const InsertionResult result =
            shared.InserimentoNuovoRecordNelFile_("255", "99999", "05/11/2024", "Nuovo");
        return std::to_string(result.PosizioneUltimoRecord) + "|" + result.errorMessage;
    });
    EXPECT_TRUE(message.starts_with("0|Impossibile salvare il record: ")) << message;
    EXPECT_EQ(readBytes(recordFile()), before);
    EXPECT_FALSE(fs::exists(folder.path() / "Recordc2.kpr"));
}

constexpr fs::perms kReadable = fs::perms::owner_all | fs::perms::group_read |
                                fs::perms::group_exec | fs::perms::others_read |
                                fs::perms::others_exec;
constexpr fs::perms kOwnerOnly = fs::perms::owner_read | fs::perms::owner_write;
constexpr fs::perms kEveryoneReads = kOwnerOnly | fs::perms::group_read | fs::perms::others_read;

INSTANTIATE_TEST_SUITE_P(
    Refusals, RefusedSave,
    ::testing::Values(RefusalCase{"folder not writable", kReadable, kEveryoneReads},
                      RefusalCase{"file not readable", kReadable | fs::perms::others_write,
                                  kOwnerOnly}),
    [](const auto& info) { return info.index == 0 ? "FolderNotWritable" : "FileNotReadable"; });

TEST(RecordDate, TodayIsDayMonthYear) {
    const std::string today = RecordStore::todayDateText();
    std::smatch parts;
    ASSERT_TRUE(std::regex_match(today, parts, std::regex(R"((\d\d)/(\d\d)/(\d\d\d\d))"))) << today;
    EXPECT_LE(std::stoi(parts[2]), 12) << "the month stands in the middle";
}

} // namespace
} // namespace vorlin
