#pragma once

// WAVE files byte by byte, whole or damaged, for the tests of the sound files and the player.

#include <cstdint>
#include <string>

namespace vorlin::wave_bytes {

inline void put(std::string& out, std::uint32_t value, int bytes) {
    for (int i = 0; i < bytes; ++i)
        out.push_back(static_cast<char>((value >> (8 * i)) & 0xFF));
}

inline std::string chunk(const char* id, const std::string& content) {
    std::string out(id, 4);
    put(out, static_cast<std::uint32_t>(content.size()), 4);
    out += content;
    if (content.size() % 2 == 1) out.push_back('\0');
    return out;
}

struct Format {
    std::uint32_t tag = 1;
    std::uint32_t channels = 1;
    std::uint32_t rate = 22050;
    std::uint32_t bits = 16;
    int blockAlignError = 0;
};

inline std::string formatChunk(const Format& f, int extraBytes = 0) {
    const std::uint32_t blockAlign = f.channels * f.bits / 8 + f.blockAlignError;
    std::string content;
    put(content, f.tag, 2);
    put(content, f.channels, 2);
    put(content, f.rate, 4);
    put(content, f.rate * blockAlign, 4);
    put(content, blockAlign, 2);
    put(content, f.bits, 2);
    content.append(static_cast<std::size_t>(extraBytes), '\0');
    return chunk("fmt ", content);
}

inline std::string samples(std::size_t bytes, char value = '\x10') {
    return chunk("data", std::string(bytes, value));
}

// RIFF around the chunks; riffSizeError makes the RIFF size lie.
inline std::string riff(const std::string& chunks, int riffSizeError = 0) {
    std::string out = "RIFF";
    put(out, static_cast<std::uint32_t>(4 + chunks.size() + riffSizeError), 4);
    return out + "WAVE" + chunks;
}

} // namespace vorlin::wave_bytes
