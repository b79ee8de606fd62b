// The Windows-1252 codec of the record files, both ways, on any bytes.

#include "fuzz_support.h"

#include "records/text_encoding.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace vorlin;
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);

    // Every byte of a record file is one character and comes back as itself.
    fuzz::check(utf8ToCp1252(cp1252ToUtf8(bytes)) == bytes, "a file byte did not come back");

    // Any text, well formed or not, gives one byte per character at most, and what it gives
    // is stable from then on.
    const std::string stored = utf8ToCp1252(bytes);
    fuzz::check(stored.size() <= bytes.size(), "the stored text grew");
    fuzz::check(utf8ToCp1252(cp1252ToUtf8(stored)) == stored, "a stored text changed");
    return 0;
}
