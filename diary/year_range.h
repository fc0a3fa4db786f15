// The range of the calendar's navigation and the year editor's reading of its text.
#pragma once

#include <string>

namespace app {

// The years the calendar can show: four digits without leading zeros.
inline constexpr int kFirstYear = 100;
inline constexpr int kLastYear = 9999;

// The number the year editor's text starts with; 0 when it starts with no digit (an empty box,
// or text pasted past the digit filter). A number past kLastYear reads as some number past it.
int YearEditorValue(const std::string& text);

}  // namespace app
