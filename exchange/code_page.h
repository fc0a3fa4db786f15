// The data files hold text in the system's ANSI code page, which this program takes to be
// Windows-1252 (as the search's matching rules do); iCalendar and the exported text files hold
// UTF-8. A character the code page has no byte for cannot be kept: it is written as "?" and
// counted, so that the loss shows.
#pragma once

#include <string>

namespace exchange {

std::string AnsiToUtf8(const std::string& ansi);

struct AnsiText {
    std::string text;
    int replaced = 0;  // characters written as "?": not in the code page, or not valid UTF-8
};
AnsiText Utf8ToAnsi(const std::string& utf8);

}  // namespace exchange
