#include "platform/win32/win32_locale.h"

#include <windows.h>

namespace platform::win32 {

namespace {

std::string LocaleText(LCTYPE what) {
    char buffer[128] = {};
    const int length = GetLocaleInfoA(LOCALE_USER_DEFAULT, what, buffer, sizeof buffer);
    if (length <= 0) return {};
    return std::string(buffer);
}

}  // namespace

std::string Win32Locale::monthName(int month) {
    if (month < 1 || month > 12) return {};
    return LocaleText(static_cast<LCTYPE>(LOCALE_SMONTHNAME1 + month - 1));
}

std::string Win32Locale::weekdayAbbrev(int weekday) {
    if (weekday < 1 || weekday > 7) return {};
    // The locale numbers its day names from Monday; the program from Sunday.
    const int fromMonday = (weekday + 5) % 7;
    return LocaleText(static_cast<LCTYPE>(LOCALE_SABBREVDAYNAME1 + fromMonday));
}

int Win32Locale::firstDayOfWeek() {
    const std::string text = LocaleText(LOCALE_IFIRSTDAYOFWEEK);  // "0" Monday .. "6" Sunday
    if (text.size() != 1 || text[0] < '0' || text[0] > '6') return 1;
    return (text[0] - '0' + 1) % 7 + 1;
}

std::string Win32Locale::timeSeparator() {
    const std::string separator = LocaleText(LOCALE_STIME);
    return separator.empty() ? ":" : separator;
}

std::string Win32Locale::toUpper(const std::string& text) {
    std::string upper = text;
    if (!upper.empty()) CharUpperBuffA(upper.data(), static_cast<DWORD>(upper.size()));
    return upper;
}

}  // namespace platform::win32
