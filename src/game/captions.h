#pragma once

#include <string>
#include <string_view>

namespace vorlin {

// A status caption: the literal, then the number with a leading space when it is not negative
// and a minus sign when it is ("Energia " and 69 give "Energia  69", -3 gives "Energia -3").
inline std::string numberCaption(std::string_view literal, int number) {
    std::string caption(literal);
    if (number >= 0) caption += ' ';
    caption += std::to_string(number);
    return caption;
}

} // namespace vorlin
