#include "records/record_format.h"

#include <gtest/gtest.h>

#include <limits>

namespace vorlin {
namespace {

struct LineCase {
    std::string line;
    Record expected;
};

class RecordLineReading : public ::testing::TestWithParam<LineCase> {};

TEST_P(RecordLineReading, GivesTheFourFields) {
    EXPECT_EQ(parseRecordLine(GetParam().line), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Lines, RecordLineReading,
    ::testing::Values(LineCase{R"("0","","","")", Record{}},
                      LineCase{R"("255","500","01/02/2003","Rossi, Mario")",
                               {"255", "500", "01/02/2003", "Rossi, Mario"}},
                      LineCase{R"(  "65535" ,"12",   "d"  ,"  spazi  ")",
                               {"65535", "12", "d", "  spazi  "}},
                      LineCase{R"("1"junk,"2","3","4")", {"1", "2", "3", "4"}},
                      LineCase{"255,500,01/02/2003,Rossi", {"255", "500", "01/02/2003", "Rossi"}},
                      LineCase{R"("255","500")", {"255", "500", "", ""}},
                      LineCase{R"("255","500","d","senza fine)", {"255", "500", "d", "senza fine"}},
                      LineCase{R"("1","2","3","4","5")", {"1", "2", "3", "4"}},
                      LineCase{"", Record{}}, LineCase{",,,", {"", "", "", ""}}));

TEST(RecordFieldReader, FieldsMayStandOnSeparateLines) {
    RecordFieldReader reader("\"Anna\"\r\n\"Bruno\"\n\"Carla\"\r\"Dario\"");
    for (const char* name : {"Anna", "Bruno", "Carla", "Dario"})
        EXPECT_EQ(reader.nextField(), std::optional<std::string>(name));
    EXPECT_EQ(reader.nextField(), std::nullopt);
}

TEST(RecordFieldReader, AnOpenQuoteEndsAtTheLineEnd) {
    RecordFieldReader reader("\"rotto\r\n\"intero\",\"x\"\r\n");
    EXPECT_EQ(reader.nextField(), std::optional<std::string>("rotto"));
    EXPECT_EQ(reader.nextField(), std::optional<std::string>("intero"));
    EXPECT_EQ(reader.nextField(), std::optional<std::string>("x"));
    EXPECT_EQ(reader.nextField(), std::nullopt);
}

TEST(RecordLineWriting, QuotesJoinsAndEndsWithCrLf) {
    EXPECT_EQ(formatRecordLine({"255", "500", "01/02/2003", "Rossi, Mario"}),
              "\"255\",\"500\",\"01/02/2003\",\"Rossi, Mario\"\r\n");
    EXPECT_EQ(formatRecordLine(Record{}), "\"0\",\"\",\"\",\"\"\r\n");
}

TEST(RecordLineWriting, CharactersThatWouldBreakTheLineBecomeHyphens) {
    EXPECT_EQ(formatRecordLine({"2\"55", "5\r\n0", "a\tb", "x\x7Fy\x01"}),
              "\"2-55\",\"5--0\",\"a-b\",\"x-y-\"\r\n");
}

TEST(RecordLineWriting, WrittenRecordsReadBackUnchanged) {
    for (const Record& record :
         {Record{"16711680", "20058", "20/07/2003", " Rossi, Mario "},
          Record{"255", "1", "31/12/1999", "Niccolò, l'è più bèl"}, Record{}}) {
        std::string line = formatRecordLine(record);
        ASSERT_TRUE(line.ends_with("\r\n"));
        line.resize(line.size() - 2);
        EXPECT_EQ(parseRecordLine(line), record) << line;
    }
}

struct SplitCase {
    std::string text;
    std::size_t maxLines;
    std::vector<std::string> lines;
};

class LineSplitting : public ::testing::TestWithParam<SplitCase> {};

TEST_P(LineSplitting, EachLineEndEndsOneLine) {
    const std::vector<std::string_view> got = splitLines(GetParam().text, GetParam().maxLines);
    EXPECT_EQ(std::vector<std::string>(got.begin(), got.end()), GetParam().lines);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, LineSplitting,
    ::testing::Values(SplitCase{"a\r\nb\r\n", 10, {"a", "b"}}, SplitCase{"a\nb", 10, {"a", "b"}},
                      SplitCase{"a\rb\r\nc", 10, {"a", "b", "c"}}, SplitCase{"", 10, {}},
                      SplitCase{"\r\n\r\n", 10, {"", ""}}, SplitCase{"\n\r", 10, {"", ""}},
                      SplitCase{"a\r\nb\r\nc\r\n", 2, {"a", "b"}}));

struct NumberCase {
    std::string field;
    std::int64_t points;
    int colour;
};

class FieldNumbers : public ::testing::TestWithParam<NumberCase> {};

TEST_P(FieldNumbers, LeadingDecimalNumber) {
    EXPECT_EQ(pointsValue(GetParam().field), GetParam().points);
    EXPECT_EQ(colourValue(GetParam().field), GetParam().colour);
}

constexpr std::int64_t kLargest = std::numeric_limits<std::int64_t>::max();

INSTANTIATE_TEST_SUITE_P(Fields, FieldNumbers,
                         ::testing::Values(NumberCase{"", 0, 0}, NumberCase{"31111", 31111, 31111},
                                           NumberCase{"16711680", 16711680, 16711680},
                                           NumberCase{" 42abc", 42, 42}, NumberCase{"abc", 0, 0},
                                           NumberCase{"-5", -5, 0}, NumberCase{"+7", 7, 7},
                                           NumberCase{"16777216", 16777216, 0},
                                           NumberCase{"99999999999999999999999", kLargest, 0}));

} // namespace
} // namespace vorlin
