#include "records/text_encoding.h"

#include <gtest/gtest.h>

namespace vorlin {
namespace {

struct Mapping {
    std::string utf8;
    std::string cp1252;
};

class BothWays : public ::testing::TestWithParam<Mapping> {};

TEST_P(BothWays, NamesSurviveTheRecordFileEncoding) {
    EXPECT_EQ(utf8ToCp1252(GetParam().utf8), GetParam().cp1252);
    EXPECT_EQ(cp1252ToUtf8(GetParam().cp1252), GetParam().utf8);
}

INSTANTIATE_TEST_SUITE_P(
    Characters, BothWays,
    ::testing::Values(Mapping{"Rossi, Mario", "Rossi, Mario"},
                      Mapping{"Niccolò Àlfieri è qui", "Niccol\xF2 \xC0lfieri \xE8 qui"},
                      Mapping{"ÿß©", "\xFF\xDF\xA9"},
                      Mapping{"€ 5 – “ciao” — ‘x’ …", "\x80 5 \x96 \x93"
                                                      "ciao\x94 \x97 \x91x\x92 \x85"},
                      Mapping{"Œuvre Šárka Žižka Ÿ ƒ ™",
                              "\x8Cuvre \x8A\xE1rka \x8Ei\x9Eka \x9F \x83 \x99"},
                      // The five unassigned bytes travel as the control characters of their number.
                      Mapping{"\u0081\u008D\u008F\u0090\u009D", "\x81\x8D\x8F\x90\x9D"}));

struct Unmappable {
    std::string utf8;
    std::string cp1252;
};

class WrittenAsQuestionMark : public ::testing::TestWithParam<Unmappable> {};

TEST_P(WrittenAsQuestionMark, CharactersWindowsCannotHold) {
    EXPECT_EQ(utf8ToCp1252(GetParam().utf8), GetParam().cp1252);
}

INSTANTIATE_TEST_SUITE_P(Characters, WrittenAsQuestionMark,
                         ::testing::Values(Unmappable{"日本", "??"}, Unmappable{"a😀b", "a?b"},
                                           Unmappable{"\u0080\u009F",
                                                      "??"}, // control characters with no byte
                                           Unmappable{"x\xC3", "x?"},         // cut-off sequence
                                           Unmappable{"\xC0\xAF", "??"},      // overlong "/"
                                           Unmappable{"\xED\xA0\x80", "???"}, // surrogate
                                           Unmappable{"\xF4\x90\x80\x80", "????"}, // past U+10FFFF
                                           Unmappable{"\xFF\xFE", "??"}));

TEST(TextEncoding, EveryByteComesBackUnchanged) {
    for (int value = 0; value < 256; ++value) {
        const std::string byte(1, static_cast<char>(value));
        EXPECT_EQ(utf8ToCp1252(cp1252ToUtf8(byte)), byte) << "byte " << value;
    }
}

} // namespace
} // namespace vorlin
