#include "app/settings.h"

#include <cctype>
#include <cmath>
#include <cstdio>

#include "app/datafiles.h"

namespace app {

void SetDefaultSettings(Module& module) {
    module.ResumeMode = "NORESUME";
    module.NoteFontName = "MS Sans Serif";
    module.NoteFontSize = "8";
    module.NoteFontBold = "0";
    module.NoteForeColor = "&H00000000";
    module.NoteBackColor = "&H0094C2E3";
    module.NoteAlignment = "2";
}

platform::Status SaveSettings(Module& module) {
    return WriteLines(
        module.platform.files(), module.Path(kSettingsFile),
        {module.ResumeMode, module.NoteFontName, module.NoteFontSize, module.NoteFontBold, module.NoteForeColor,
         module.NoteBackColor, module.NoteAlignment, std::to_string(module.Translucent)});
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

void LoadSettings(Module& module) {
    auto lines = ReadLines(module.platform.files(), module.Path(kSettingsFile));
    if (!lines) return;
    std::string* values[] = {&module.ResumeMode,    &module.NoteFontName,  &module.NoteFontSize, &module.NoteFontBold,
                             &module.NoteForeColor, &module.NoteBackColor, &module.NoteAlignment};
    for (std::size_t i = 0; i < std::size(values) && i < lines->size(); ++i) *values[i] = (*lines)[i];
    int translucent = 0;
    if (lines->size() >= 8 && ParseWholeNumber((*lines)[7], translucent) && translucent >= 0 && translucent <= 2) {
        module.Translucent = translucent;
    }
}

unsigned long ParseColor(const std::string& text, unsigned long fallback) {
    std::size_t i = 0;
    while (i < text.size() && text[i] == ' ') ++i;
    if (i + 2 >= text.size() || text[i] != '&' || (text[i + 1] != 'H' && text[i + 1] != 'h')) return fallback;
    i += 2;
    unsigned long value = 0;
    std::size_t digits = 0;
    for (; i < text.size() && std::isxdigit(static_cast<unsigned char>(text[i])); ++i, ++digits) {
        if (digits == 8) return fallback;
        const char c = static_cast<char>(std::toupper(static_cast<unsigned char>(text[i])));
        value = value * 16 + static_cast<unsigned long>(c <= '9' ? c - '0' : c - 'A' + 10);
    }
    while (i < text.size() && (text[i] == ' ' || text[i] == '&')) ++i;  // a trailing "&" marks a Long
    if (digits == 0 || i != text.size()) return fallback;
    return value;
}

double ParseNumber(const std::string& text) {
    std::size_t i = 0;
    while (i < text.size() && text[i] == ' ') ++i;
    double sign = 1;
    if (i < text.size() && (text[i] == '-' || text[i] == '+')) {
        if (text[i] == '-') sign = -1;
        ++i;
    }
    double value = 0;
    for (; i < text.size() && std::isdigit(static_cast<unsigned char>(text[i])); ++i)
        value = value * 10 + (text[i] - '0');
    if (i < text.size() && text[i] == '.') {
        double scale = 0.1;
        for (++i; i < text.size() && std::isdigit(static_cast<unsigned char>(text[i])); ++i) {
            value += (text[i] - '0') * scale;
            scale /= 10;
        }
    }
    return sign * value;
}

std::string FormatColor(unsigned long color) {
    char buffer[16];
    std::snprintf(buffer, sizeof buffer, "&H%lX", color & 0xFFFFFFFFUL);
    return buffer;
}

std::string FormatNumber(double value) {
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "%.7g", value);
    return buffer;
}

}  // namespace app
