#include "records/record_format.h"

#include <limits>

namespace vorlin {

namespace {

constexpr char kQuote = '"';
constexpr char kComma = ',';
constexpr char kCarriageReturn = '\r';
constexpr char kLineFeed = '\n';
constexpr char kReplacement = '-';
constexpr char kDelete = 0x7F;
constexpr char kFirstPrintable = 0x20;
constexpr std::string_view kLineEnd = "\r\n";
constexpr int kLargestColour = 0xFFFFFF;

bool isFieldSpace(char character) {
    return character == ' ' || character == '\t';
}

bool isLineEndCharacter(char character) {
    return character == kCarriageReturn || character == kLineFeed;
}

bool breaksTheLine(char character) {
    const auto byte = static_cast<unsigned char>(character);
    return character == kQuote || byte < kFirstPrintable || character == kDelete;
}

void appendQuoted(std::string& line, std::string_view value) {
    line += kQuote;
    for (const char character : value)
        line += breaksTheLine(character) ? kReplacement : character;
    line += kQuote;
}

} // namespace

bool RecordFieldReader::atLineEnd() const {
    return position_ >= text_.size() || isLineEndCharacter(text_[position_]);
}

void RecordFieldReader::skipToFieldEnd() {
    while (!atLineEnd() && text_[position_] != kComma)
        ++position_;
}

void RecordFieldReader::consumeSeparator() {
    if (position_ >= text_.size()) return;
    if (text_[position_] == kComma) {
        ++position_;
        return;
    }
    const bool carriageReturn = text_[position_] == kCarriageReturn;
    ++position_;
    if (carriageReturn && position_ < text_.size() && text_[position_] == kLineFeed) ++position_;
}

std::optional<std::string> RecordFieldReader::nextField() {
    while (position_ < text_.size() && isFieldSpace(text_[position_]))
        ++position_;
    if (position_ >= text_.size()) return std::nullopt;

    std::string value;
    if (text_[position_] == kQuote) {
        ++position_;
        const std::size_t start = position_;
        while (!atLineEnd() && text_[position_] != kQuote)
            ++position_;
        value.assign(text_.substr(start, position_ - start));
        if (position_ < text_.size() && text_[position_] == kQuote) ++position_;
    } else {
        const std::size_t start = position_;
        skipToFieldEnd();
        value.assign(text_.substr(start, position_ - start));
    }
    skipToFieldEnd();
    consumeSeparator();
    return value;
}

Record parseRecordLine(std::string_view line) {
    RecordFieldReader reader(line);
    Record record;
    for (std::string* field : {&record.colour, &record.points, &record.date, &record.name}) {
        std::optional<std::string> value = reader.nextField();
        if (!value) break;
        *field = std::move(*value);
    }
    return record;
}

std::string formatRecordLine(const Record& record) {
    std::string line;
    line.reserve(record.colour.size() + record.points.size() + record.date.size() +
                 record.name.size() + 13);
    appendQuoted(line, record.colour);
    line += kComma;
    appendQuoted(line, record.points);
    line += kComma;
    appendQuoted(line, record.date);
    line += kComma;
    appendQuoted(line, record.name);
    line += kLineEnd;
    return line;
}

std::vector<std::string_view> splitLines(std::string_view text, std::size_t maxLines) {
    std::vector<std::string_view> lines;
    std::size_t start = 0;
    while (start < text.size() && lines.size() < maxLines) {
        std::size_t end = start;
        while (end < text.size() && !isLineEndCharacter(text[end]))
            ++end;
        lines.push_back(text.substr(start, end - start));
        if (end < text.size() && text[end] == kCarriageReturn && end + 1 < text.size() &&
            text[end + 1] == kLineFeed)
            ++end;
        start = end + 1;
    }
    return lines;
}

std::int64_t pointsValue(std::string_view field) {
    std::size_t at = 0;
    while (at < field.size() && isFieldSpace(field[at]))
        ++at;
    bool negative = false;
    if (at < field.size() && (field[at] == '-' || field[at] == '+')) {
        negative = field[at] == '-';
        ++at;
    }
    constexpr std::int64_t kLargest = std::numeric_limits<std::int64_t>::max();
    std::int64_t value = 0;
    for (; at < field.size() && field[at] >= '0' && field[at] <= '9'; ++at) {
        const int digit = field[at] - '0';
        if (value > (kLargest - digit) / 10) {
            value = kLargest;
            break;
        }
        value = value * 10 + digit;
    }
    return negative ? -value : value;
}

int colourValue(std::string_view field) {
    const std::int64_t value = pointsValue(field);
    if (value < 0 || value > kLargestColour) return 0;
    return static_cast<int>(value);
}

} // namespace vorlin
