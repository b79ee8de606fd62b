#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace vorlin {

// How many records the table keeps: positions 1..1000, one per line of the record file.
inline constexpr int kNumeroRecord = 1000;

// One record of the table, in UTF-8. A default record is the empty record "0","","","".
struct Record {
    std::string colour = "0"; // difficulty colour 0x00BBGGRR as decimal text
    std::string points;       // decimal digits; empty counts as 0
    std::string date;         // dd/mm/yyyy
    std::string name;         // the player's name

    bool operator==(const Record&) const = default;
};

// Reads record fields one after the other from a text.
//
// A field starts after any spaces. A field that starts with a double quote runs to the next
// double quote and its value is the text between them, commas included; after it everything up to
// the next comma or line end is skipped. An unquoted field runs to the next comma or line end. A
// line end (CR LF, LF or a lone CR) also ends a field, so the fields of a record may stand on one
// line or on separate lines. A quote left open ends at the line end, so a damaged line never
// swallows the lines after it.
class RecordFieldReader {
  public:
    explicit RecordFieldReader(std::string_view text) : text_(text) {}

    // The next field, or nothing when the text is used up.
    std::optional<std::string> nextField();

  private:
    bool atLineEnd() const;
    void skipToFieldEnd();
    void consumeSeparator();

    std::string_view text_;
    std::size_t position_ = 0;
};

// The record held by one line of the record file; fields the line lacks keep the empty record's
// values, anything after the fourth field is ignored.
Record parseRecordLine(std::string_view line);

// The line of a record: its four values in double quotes, joined by commas, ended by CR LF. A
// double quote or a control character inside a value would break the line, so each one is written
// as "-".
std::string formatRecordLine(const Record& record);

// The first `maxLines` lines of a text, without their line ends (CR LF, LF or a lone CR). A last
// line without a line end still counts; an empty text has no lines.
std::vector<std::string_view> splitLines(std::string_view text, std::size_t maxLines);

// The numeric value of a points field: its leading decimal number (after spaces, with an optional
// sign), 0 when it has none. Values too large for 64 bits stop at the largest one.
std::int64_t pointsValue(std::string_view field);

// The colour of a colour field as a whole number 0x00BBGGRR; a field that is not a number, or
// not a 24-bit colour, counts as 0 (black).
int colourValue(std::string_view field);

} // namespace vorlin
