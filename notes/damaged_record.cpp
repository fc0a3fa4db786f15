#include "notes/damaged_record.h"

#include <algorithm>
#include <cctype>
#include <string_view>

namespace notes {

namespace {

constexpr std::size_t kLongestColorDigits = 8;

// A field holds its value left-justified, followed by filler spaces only.
std::string_view ValueOf(std::string_view field) {
    const auto end = field.find_last_not_of(' ');
    return end == std::string_view::npos ? std::string_view() : field.substr(0, end + 1);
}

bool IsDigits(std::string_view text) {
    return !text.empty() &&
           std::all_of(text.begin(), text.end(), [](char c) { return std::isdigit(static_cast<unsigned char>(c)); });
}

bool IsControl(char c) {
    const auto byte = static_cast<unsigned char>(c);
    return byte < 0x20 || byte == 0x7F;
}

bool IsWholeNumber(std::string_view field) {
    std::string_view value = ValueOf(field);
    if (!value.empty() && value.front() == '-') value.remove_prefix(1);
    return IsDigits(value);
}

bool IsFontSize(std::string_view field) {
    return IsDigits(ValueOf(field));
}

bool IsFlag(std::string_view field) {
    return field == "0" || field == "1";
}

bool IsAlignment(std::string_view field) {
    return field == "0" || field == "1" || field == "2";
}

// A font name has no control characters and starts with a visible one.
bool IsFontName(std::string_view field) {
    const std::string_view value = ValueOf(field);
    return !value.empty() && value.front() != ' ' && std::none_of(value.begin(), value.end(), IsControl);
}

bool IsColor(std::string_view field) {
    std::string_view value = ValueOf(field);
    if (!value.starts_with("&H")) return false;
    value.remove_prefix(2);
    return !value.empty() && value.size() <= kLongestColorDigits &&
           std::all_of(value.begin(), value.end(), [](char c) { return std::isxdigit(static_cast<unsigned char>(c)); });
}

// A text box holds no NUL: the system's text calls end a text there.
bool IsBoxText(std::string_view text) {
    return text.find('\0') == std::string_view::npos;
}

// What a damaged note shows of its text: line ends, tabs and printable characters. Byte 0x98 goes
// too: most Windows code pages leave it undefined, and the Western one's small tilde crashes the
// text layout of Wine's edit box at the start of a line or after a punctuation mark, which a
// record of random bytes all but always holds somewhere.
std::string ShowableText(std::string_view text) {
    std::string shown;
    shown.reserve(text.size());
    for (const char c : text) {
        const bool lineOrTab = c == '\r' || c == '\n' || c == '\t';
        if (lineOrTab || (!IsControl(c) && static_cast<unsigned char>(c) != 0x98)) shown += c;
    }
    return shown;
}

// Each header field: its place, its written form, and how a repaired note takes its value.
struct HeaderField {
    std::size_t position;  // from 1
    std::size_t width;
    bool (*written)(std::string_view field);
    void (*take)(NoteFields& to, const NoteFields& from);
};

constexpr HeaderField kHeaderFields[] = {
    {1, 5, IsWholeNumber, [](NoteFields& to, const NoteFields& from) { to.left = from.left; }},
    {6, 5, IsWholeNumber, [](NoteFields& to, const NoteFields& from) { to.top = from.top; }},
    {11, 5, IsWholeNumber, [](NoteFields& to, const NoteFields& from) { to.width = from.width; }},
    {16, 5, IsWholeNumber, [](NoteFields& to, const NoteFields& from) { to.height = from.height; }},
    {21, 1, IsFlag, [](NoteFields& to, const NoteFields& from) { to.rolledUp = from.rolledUp; }},
    {22, 1, IsAlignment, [](NoteFields& to, const NoteFields& from) { to.alignment = from.alignment; }},
    {23, 1, IsFlag, [](NoteFields& to, const NoteFields& from) { to.bold = from.bold; }},
    {24, 2, IsFontSize, [](NoteFields& to, const NoteFields& from) { to.fontSize = from.fontSize; }},
    {26, 15, IsFontName, [](NoteFields& to, const NoteFields& from) { to.fontName = from.fontName; }},
    {41, 15, IsColor, [](NoteFields& to, const NoteFields& from) { to.foreColor = from.foreColor; }},
    {56, 15, IsColor, [](NoteFields& to, const NoteFields& from) { to.backColor = from.backColor; }},
};

bool IsWrittenField(const std::string& record, const HeaderField& field) {
    return field.written(std::string_view(record).substr(field.position - 1, field.width));
}

}  // namespace

bool IsWrittenNoteString(const std::string& record) {
    return HasHeader(record) &&
           std::all_of(std::begin(kHeaderFields), std::end(kHeaderFields),
                       [&record](const HeaderField& field) { return IsWrittenField(record, field); }) &&
           IsBoxText(std::string_view(record).substr(kHeaderLength));
}

std::string RepairedNoteString(const std::string& record, const NoteFields& defaults) {
    if (!HasHeader(record)) return BuildNoteString(defaults, ShowableText(record));
    const NoteFields stored = ParseNoteHeader(record);
    NoteFields fields = defaults;
    for (const HeaderField& field : kHeaderFields) {
        if (IsWrittenField(record, field)) field.take(fields, stored);
    }
    return BuildNoteString(fields, ShowableText(std::string_view(record).substr(kHeaderLength)));
}

}  // namespace notes
