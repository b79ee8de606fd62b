#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

namespace vorlin {

// Reads a text as a decimal number up to its first character that cannot belong to one:
// leading blanks, a sign, digits, a decimal point and an exponent (E or D) are taken. A text
// with no number in front reads as 0.
double readNumberText(std::string_view text);

// The nearest whole number, halves to even; nothing when it does not fit in 32 bits.
std::optional<std::int32_t> nearestWhole32(double value);

} // namespace vorlin
