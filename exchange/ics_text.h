// The text rules of an iCalendar file: TEXT values escaped and read back, content lines folded at
// 75 octets and unfolded again, and a content line taken apart into its name, parameters and value.
// Values are UTF-8 here; the calendar's own code page is code_page.h's business.
#pragma once

#include <map>
#include <optional>
#include <string>
#include <vector>

namespace exchange {

// The longest content line, in octets, before the line break; longer ones are folded.
inline constexpr std::size_t kFoldOctets = 75;

// Backslash, semicolon and comma get a backslash before them; a line break becomes "\n".
std::string EscapeText(const std::string& text);
// The reverse; "\N" reads as a line break too, and an unknown escape keeps its character.
std::string UnescapeText(const std::string& value);

// One content line with its CR LF, folded so that no physical line exceeds 75 octets: each
// continuation starts with a space, and a UTF-8 character is never cut in two.
std::string FoldedLine(const std::string& line);

// The logical lines of a file: CR LF or LF ends a line, and a line that starts with a space or a
// tab continues the one before it. A UTF-8 byte-order mark at the start is dropped.
std::vector<std::string> UnfoldedLines(const std::string& content);

// "DTSTART;VALUE=DATE:20261207" as its parts. Names and parameter names are upper-cased;
// parameter values lose their quotes.
struct ContentLine {
    std::string name;
    std::map<std::string, std::string> parameters;
    std::string value;
};
// Nothing for a line without a colon after its name.
std::optional<ContentLine> ParseContentLine(const std::string& line);

}  // namespace exchange
