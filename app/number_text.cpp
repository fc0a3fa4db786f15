#include "app/number_text.h"

#include <cctype>
#include <cstdio>

namespace app {

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
