#include "records/text_encoding.h"

#include <array>
#include <cstdint>

namespace vorlin {

namespace {

constexpr char32_t kFirstHighBlockByte = 0x80;
constexpr char32_t kLastHighBlockByte = 0x9F;
constexpr char kUnmappable = '?';

// The characters of bytes 0x80..0x9F; an unassigned byte keeps its own number.
constexpr std::array<char32_t, 32> kHighBlock = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, // 80-87
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F, // 88-8F
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014, // 90-97
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178, // 98-9F
};

char32_t characterOfByte(unsigned char byte) {
    if (byte >= kFirstHighBlockByte && byte <= kLastHighBlockByte)
        return kHighBlock[byte - kFirstHighBlockByte];
    return byte; // ASCII and Latin-1 share their numbers with Unicode
}

// The byte that holds a character, or kUnmappable when Windows-1252 has none.
char byteOfCharacter(char32_t character) {
    if (character < kFirstHighBlockByte || (character > kLastHighBlockByte && character <= 0xFF))
        return static_cast<char>(character);
    for (std::size_t index = 0; index < kHighBlock.size(); ++index) {
        if (kHighBlock[index] == character) return static_cast<char>(kFirstHighBlockByte + index);
    }
    return kUnmappable;
}

void appendUtf8(std::string& out, char32_t character) {
    if (character < 0x80) {
        out += static_cast<char>(character);
    } else if (character < 0x800) {
        out += static_cast<char>(0xC0 | (character >> 6));
        out += static_cast<char>(0x80 | (character & 0x3F));
    } else {
        // Windows-1252 reaches no further than the Basic Multilingual Plane.
        out += static_cast<char>(0xE0 | (character >> 12));
        out += static_cast<char>(0x80 | ((character >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (character & 0x3F));
    }
}

struct DecodedCharacter {
    char32_t character;
    std::size_t length; // 0 when the bytes at this place are not well-formed UTF-8
};

// Decodes one UTF-8 sequence, rejecting overlong forms, surrogates and values past U+10FFFF.
DecodedCharacter decodeUtf8(std::string_view text, std::size_t at) {
    const auto lead = static_cast<unsigned char>(text[at]);
    if (lead < 0x80) return {lead, 1};
    std::size_t length = 0;
    char32_t character = 0;
    char32_t smallest = 0;
    if ((lead & 0xE0) == 0xC0) {
        length = 2;
        character = lead & 0x1F;
        smallest = 0x80;
    } else if ((lead & 0xF0) == 0xE0) {
        length = 3;
        character = lead & 0x0F;
        smallest = 0x800;
    } else if ((lead & 0xF8) == 0xF0) {
        length = 4;
        character = lead & 0x07;
        smallest = 0x10000;
    } else {
        return {0, 0};
    }
    if (at + length > text.size()) return {0, 0};
    for (std::size_t index = 1; index < length; ++index) {
        const auto next = static_cast<unsigned char>(text[at + index]);
        if ((next & 0xC0) != 0x80) return {0, 0};
        character = (character << 6) | (next & 0x3F);
    }
    const bool surrogate = character >= 0xD800 && character <= 0xDFFF;
    if (character < smallest || surrogate || character > 0x10FFFF) return {0, 0};
    return {character, length};
}

} // namespace

std::string cp1252ToUtf8(std::string_view bytes) {
    std::string out;
    out.reserve(bytes.size());
    for (const char byte : bytes)
        appendUtf8(out, characterOfByte(static_cast<unsigned char>(byte)));
    return out;
}

std::string utf8ToCp1252(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    std::size_t at = 0;
    while (at < text.size()) {
        const DecodedCharacter decoded = decodeUtf8(text, at);
        if (decoded.length == 0) {
            out += kUnmappable;
            ++at;
            continue;
        }
        out += byteOfCharacter(decoded.character);
        at += decoded.length;
    }
    return out;
}

} // namespace vorlin
