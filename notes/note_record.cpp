#include "notes/note_record.h"

#include <cmath>

#include "app/number_text.h"

namespace notes {

namespace {

constexpr std::size_t kNumberWidth = 5;
constexpr std::size_t kFontSizeWidth = 2;
constexpr std::size_t kTextFieldWidth = 15;
constexpr int kLargestFontSize = 99;  // the most that kFontSizeWidth characters hold

std::string Field(const std::string& record, std::size_t position, std::size_t width) {
    return record.substr(position - 1, width);
}

std::string Trim(const std::string& text) {
    const auto first = text.find_first_not_of(' ');
    if (first == std::string::npos) return {};
    const auto last = text.find_last_not_of(' ');
    return text.substr(first, last - first + 1);
}

int WholeNumber(const std::string& field) {
    return static_cast<int>(std::lround(app::ParseNumber(field)));
}

}  // namespace

std::string FixedField(const std::string& value, std::size_t width) {
    std::string field = value.substr(0, width);
    field.resize(width, ' ');
    return field;
}

int RoundFontSize(double size) {
    // Checked before the conversion: a double beyond int's range (or not a number) has no int.
    if (!(size >= 0)) return 0;
    if (size >= kLargestFontSize + 0.5) return kLargestFontSize;
    return static_cast<int>(std::floor(size + 0.5));
}

bool FontSizeFits(double size) {
    return size > 0 && size < kLargestFontSize + 0.5;
}

std::string BuildNoteString(const NoteFields& fields, const std::string& text) {
    std::string record;
    record.reserve(kHeaderLength + text.size());
    record += FixedField(std::to_string(fields.left), kNumberWidth);
    record += FixedField(std::to_string(fields.top), kNumberWidth);
    record += FixedField(std::to_string(fields.width), kNumberWidth);
    record += FixedField(std::to_string(fields.height), kNumberWidth);
    record += fields.rolledUp ? "1" : "0";
    record += FixedField(std::to_string(fields.alignment), 1);
    record += fields.bold ? "1" : "0";
    record += FixedField(std::to_string(RoundFontSize(fields.fontSize)), kFontSizeWidth);
    record += FixedField(fields.fontName, kTextFieldWidth);
    record += FixedField(app::FormatColor(fields.foreColor), kTextFieldWidth);
    record += FixedField(app::FormatColor(fields.backColor), kTextFieldWidth);
    record += text;
    return record;
}

bool HasHeader(const std::string& record) {
    return record.size() >= kHeaderLength;
}

NoteFields ParseNoteHeader(const std::string& record) {
    NoteFields fields;
    fields.left = WholeNumber(Field(record, 1, kNumberWidth));
    fields.top = WholeNumber(Field(record, 6, kNumberWidth));
    fields.width = WholeNumber(Field(record, 11, kNumberWidth));
    fields.height = WholeNumber(Field(record, 16, kNumberWidth));
    fields.rolledUp = Field(record, 21, 1) == "1";
    fields.alignment = WholeNumber(Field(record, 22, 1));
    fields.bold = app::ParseNumber(Field(record, 23, 1)) != 0;
    fields.fontSize = app::ParseNumber(Field(record, 24, kFontSizeWidth));
    fields.fontName = Trim(Field(record, 26, kTextFieldWidth));
    fields.foreColor = static_cast<platform::ColorRef>(app::ParseColor(Trim(Field(record, 41, kTextFieldWidth)), 0));
    fields.backColor = static_cast<platform::ColorRef>(
        app::ParseColor(Trim(Field(record, 56, kTextFieldWidth)), kDefaultNoteBackColor));
    return fields;
}

std::string NoteTextOf(const std::string& record) {
    return record.size() > kHeaderLength ? record.substr(kHeaderLength) : std::string();
}

}  // namespace notes
