// Colours and numbers as the settings file and the notes database store them, read and written.
#pragma once

#include <string>

namespace app {

// "&H94C2E3", "&H0094C2E3" -> 0x94C2E3; text that is not such a number gives `fallback`.
unsigned long ParseColor(const std::string& text, unsigned long fallback = 0);
// A decimal number with "." as separator from the start of the text; trailing text is ignored
// and text that does not start with a number gives 0.
double ParseNumber(const std::string& text);
// "&H" + upper-case hexadecimal without leading zeros ("&H0" for black).
std::string FormatColor(unsigned long color);
// A decimal number with "." and no needless zeros (8.25, 12, -5).
std::string FormatNumber(double value);

}  // namespace app
