// The settings file "\Notes.ini": eight lines, read once at start-up and rewritten whole.
#pragma once

#include <string>

#include "app/module.h"
#include "platform/file_system.h"

namespace app {

inline constexpr const char* kSettingsFile = "\\Notes.ini";

// Puts the first-run defaults into the seven settings values.
void SetDefaultSettings(Module& module);

// Writes the seven values and the "Translucent" value as eight lines.
platform::Status SaveSettings(Module& module);

// Reads the eight lines; a missing line leaves its value as it was, a line 8 that is not a
// check box state (0, 1, 2) leaves "Translucent" as it was.
void LoadSettings(Module& module);

// Conversions of the stored text, as a note applies it.
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
