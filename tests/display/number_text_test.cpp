#include "display/number_text.h"

#include <gtest/gtest.h>

#include <limits>
#include <optional>
#include <string>

namespace vorlin {
namespace {

TEST(NumberText, ReadsUpToTheFirstCharacterThatCannotBelongToANumber) {
    struct Case {
        std::string text;
        double value;
    };
    const Case cases[] = {
        {"1024", 1024.0}, {"  42abc", 42.0}, {"\t7", 7.0}, {"-12", -12.0},  {"+7", 7.0},
        {"3.75", 3.75},   {".5", 0.5},       {"5.", 5.0},  {"1D2", 100.0},  {"2e-1", 0.2},
        {"1e", 1.0},      {"1e+", 1.0},      {"1,5", 1.0}, {"12 34", 12.0}, {"", 0.0},
        {"-", 0.0},       {".", 0.0},        {"abc", 0.0}, {"0x10", 0.0},   {"inf", 0.0},
        {"nan", 0.0},     {"1e-400", 0.0},   {"- 3", 0.0}, {"--3", 0.0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_DOUBLE_EQ(readNumberText(c.text), c.value);
    }
}

TEST(NumberText, AHugeNumberReadsAsInfiniteAndFitsNoWholeNumber) {
    EXPECT_EQ(readNumberText("1e400"), std::numeric_limits<double>::infinity());
    EXPECT_EQ(readNumberText("-1e400"), -std::numeric_limits<double>::infinity());
    EXPECT_EQ(nearestWhole32(readNumberText("1e400")), std::nullopt);
}

TEST(NumberText, RoundsHalvesToEvenAndRefusesWhatDoesNotFit32Bits) {
    struct Case {
        double value;
        std::optional<std::int32_t> whole;
    };
    const Case cases[] = {
        {2.5, 2},
        {3.5, 4},
        {-2.5, -2},
        {-3.5, -4},
        {0.49, 0},
        {1023.6, 1024},
        {2147483647.0, 2147483647},
        {-2147483648.0, std::numeric_limits<std::int32_t>::min()},
        {2147483647.5, std::nullopt},
        {-2147483649.0, std::nullopt},
        {std::numeric_limits<double>::quiet_NaN(), std::nullopt},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.value);
        EXPECT_EQ(nearestWhole32(c.value), c.whole);
    }
}

} // namespace
} // namespace vorlin
