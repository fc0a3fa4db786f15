#include "app/settings.h"

#include <cctype>
#include <cmath>

#include "app/datafiles.h"
#include "app/number_text.h"

namespace app {

void SetDefaultSettings(SharedValues& values) {
    values.ResumeMode = "NORESUME";
    values.NoteFontName = "MS Sans Serif";
    values.NoteFontSize = "8";
    values.NoteFontBold = "0";
    values.NoteForeColor = "&H00000000";
    values.NoteBackColor = "&H0094C2E3";
    values.NoteAlignment = "2";
}

platform::Status SaveSettings(platform::FileSystem& files, const SharedValues& values) {
    return WriteLines(
        files, values.Path(kSettingsFile),
        {values.ResumeMode, values.NoteFontName, values.NoteFontSize, values.NoteFontBold, values.NoteForeColor,
         values.NoteBackColor, values.NoteAlignment, std::to_string(values.Translucent)});
}

namespace {

// The whole text as a whole number (spaces around it allowed), or nothing.
bool ParseWholeNumber(const std::string& text, int& value) {
    std::size_t i = 0;
    while (i < text.size() && text[i] == ' ') ++i;
    std::size_t end = text.size();
    while (end > i && text[end - 1] == ' ') --end;
    const std::string number = text.substr(i, end - i);
    if (number.empty()) return false;
    std::size_t digits = (number[0] == '-' || number[0] == '+') ? 1 : 0;
    if (digits == number.size()) return false;
    for (std::size_t k = digits; k < number.size(); ++k) {
        if (!std::isdigit(static_cast<unsigned char>(number[k])) && number[k] != '.') return false;
    }
    value = static_cast<int>(std::lround(ParseNumber(number)));
    return true;
}

}  // namespace

void LoadSettings(platform::FileSystem& files, SharedValues& values) {
    auto lines = ReadLines(files, values.Path(kSettingsFile));
    if (!lines) return;
    std::string* stored[] = {&values.ResumeMode,    &values.NoteFontName,  &values.NoteFontSize, &values.NoteFontBold,
                             &values.NoteForeColor, &values.NoteBackColor, &values.NoteAlignment};
    for (std::size_t i = 0; i < std::size(stored) && i < lines->size(); ++i) *stored[i] = (*lines)[i];
    int translucent = 0;
    if (lines->size() >= 8 && ParseWholeNumber((*lines)[7], translucent) && translucent >= 0 && translucent <= 2) {
        values.Translucent = translucent;
    }
}

}  // namespace app
