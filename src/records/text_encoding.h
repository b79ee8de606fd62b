#pragma once

#include <string>
#include <string_view>

namespace vorlin {

// The record files hold Windows-1252 text, one byte per character, so that they stay exchangeable
// with the game's Windows editions. The game itself works in UTF-8; these two converters sit at
// the file boundary.

// Windows-1252 bytes to UTF-8. Every byte maps to one character: the 0x80-0x9F block gets its
// typographic characters (euro sign, curly quotes, dashes...), and the five bytes that block
// leaves unassigned (0x81, 0x8D, 0x8F, 0x90, 0x9D) become the control characters of the same
// number, as Windows itself reads them, so nothing is lost on the way back.
std::string cp1252ToUtf8(std::string_view bytes);

// UTF-8 to Windows-1252 bytes. A character Windows-1252 cannot hold, and every byte that is not
// part of a well-formed UTF-8 sequence, is written as "?".
std::string utf8ToCp1252(std::string_view text);

} // namespace vorlin
