#include "display/number_text.h"

#include <cctype>
#include <charconv>
#include <cmath>
#include <limits>
#include <string>

namespace vorlin {

namespace {

bool isDigit(char c) {
    return std::isdigit(static_cast<unsigned char>(c)) != 0;
}
bool isBlank(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\r';
}
bool isExponentMark(char c) {
    return c == 'e' || c == 'E' || c == 'd' || c == 'D';
}

// Counts the digits from position at.
std::size_t digitsFrom(std::string_view text, std::size_t at) {
    std::size_t count = 0;
    while (at + count < text.size() && isDigit(text[at + count]))
        ++count;
    return count;
}

} // namespace

double readNumberText(std::string_view text) {
    std::size_t at = 0;
    while (at < text.size() && isBlank(text[at]))
        ++at;

    bool negative = false;
    if (at < text.size() && (text[at] == '+' || text[at] == '-')) {
        negative = text[at] == '-';
        ++at;
    }

    // The number is copied in the form from_chars reads: no sign, 'e' as exponent mark.
    std::string number;
    const std::size_t wholeDigits = digitsFrom(text, at);
    number.append(text.substr(at, wholeDigits));
    at += wholeDigits;
    std::size_t fractionDigits = 0;
    if (at < text.size() && text[at] == '.') {
        fractionDigits = digitsFrom(text, at + 1);
        number += '.';
        number.append(text.substr(at + 1, fractionDigits));
        at += 1 + fractionDigits;
    }
    if (wholeDigits + fractionDigits == 0) return 0.0;

    if (at < text.size() && isExponentMark(text[at])) {
        std::size_t exponentAt = at + 1;
        std::string exponent = "e";
        if (exponentAt < text.size() && (text[exponentAt] == '+' || text[exponentAt] == '-')) {
            exponent += text[exponentAt];
            ++exponentAt;
        }
        const std::size_t exponentDigits = digitsFrom(text, exponentAt);
        // A mark with no digits after it does not belong to the number.
        if (exponentDigits > 0) number += exponent.append(text.substr(exponentAt, exponentDigits));
    }

    double value = 0.0;
    const auto [stop, error] = std::from_chars(number.data(), number.data() + number.size(), value);
    if (error == std::errc::result_out_of_range) {
        // Too large reads as infinite, too small as zero; both are then out of every range.
        const bool negativeExponent = number.find("e-") != std::string::npos;
        const bool noWholePart = number.find_first_not_of('0') == number.find('.');
        const bool tooSmall = negativeExponent || noWholePart;
        value = tooSmall ? 0.0 : std::numeric_limits<double>::infinity();
    }
    return negative ? -value : value;
}

std::optional<std::int32_t> nearestWhole32(double value) {
    if (!std::isfinite(value)) return std::nullopt;
    // Halves go to the even neighbour, like the original's conversion of a number to whole.
    const double whole = value - std::remainder(value, 1.0);
    if (whole < std::numeric_limits<std::int32_t>::min() ||
        whole > std::numeric_limits<std::int32_t>::max()) {
        return std::nullopt;
    }
    return static_cast<std::int32_t>(whole);
}

} // namespace vorlin
