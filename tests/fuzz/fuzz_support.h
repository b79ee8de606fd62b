#pragma once

#include "records/record_format.h"

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

// What the fuzz targets share: a scratch folder, the checks of the record file's shape and a
// way to stop loudly when a check fails.
namespace vorlin::fuzz {

// A folder of this process for the files a target writes, in memory where the system offers it
// (flushing a file there costs nothing); removed when the process ends normally.
const std::filesystem::path& scratchFolder();

// Stops the run with `what` on standard error when `condition` is false, so that libFuzzer keeps
// the input and the corpus replay fails.
void check(bool condition, std::string_view what);

// A record as the writer stores it and the reader gives it back: every character that would
// break the quoted field or its line (double quote, control characters) is "-".
Record storedForm(const Record& record);
std::vector<Record> storedForm(const std::vector<Record>& records);

// True when the bytes are `lines` record lines, each four double-quoted fields joined by commas
// and ended by CR LF, with no quote, CR or LF inside a field.
bool isWellFormedRecordFile(std::string_view bytes, std::size_t lines);

std::string readFile(const std::filesystem::path& path);
void writeFile(const std::filesystem::path& path, std::string_view bytes);

} // namespace vorlin::fuzz

// The entry point every target gives; libFuzzer calls it, and so does the corpus replay.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size);
