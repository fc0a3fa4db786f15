// Month and weekday names from the Windows locale, in the program's numbering (1 = Sunday),
// checked against the date formatter of the same locale.
#include "platform/win32/win32_locale.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <string>

namespace {

std::string Formatted(int year, int month, int day, const char* picture) {
    SYSTEMTIME date{};
    date.wYear = static_cast<WORD>(year);
    date.wMonth = static_cast<WORD>(month);
    date.wDay = static_cast<WORD>(day);
    char text[128] = {};
    GetDateFormatA(LOCALE_USER_DEFAULT, 0, &date, picture, text, sizeof text);
    return text;
}

TEST(Win32LocaleTest, WeekdaysAreNumberedFromSunday) {
    platform::win32::Win32Locale locale;
    // 6 December 2026 is a Sunday, so the weekday w falls on the (5 + w)th.
    for (int weekday = 1; weekday <= 7; ++weekday) {
        SCOPED_TRACE(weekday);
        EXPECT_EQ(locale.weekdayAbbrev(weekday), Formatted(2026, 12, 5 + weekday, "ddd"));
    }
    EXPECT_EQ(locale.weekdayAbbrev(0), "");
    EXPECT_EQ(locale.weekdayAbbrev(8), "");
}

TEST(Win32LocaleTest, MonthNamesAreTheLongOnes) {
    platform::win32::Win32Locale locale;
    for (int month = 1; month <= 12; ++month) {
        SCOPED_TRACE(month);
        EXPECT_EQ(locale.monthName(month), Formatted(2002, month, 1, "MMMM"));
    }
    EXPECT_EQ(locale.monthName(13), "");
}

TEST(Win32LocaleTest, UsEnglishConventions) {
    if (PRIMARYLANGID(LANGIDFROMLCID(GetUserDefaultLCID())) != LANG_ENGLISH ||
        SUBLANGID(LANGIDFROMLCID(GetUserDefaultLCID())) != SUBLANG_ENGLISH_US) {
        GTEST_SKIP() << "the user locale is not English (United States)";
    }
    platform::win32::Win32Locale locale;
    EXPECT_EQ(locale.monthName(1), "January");
    EXPECT_EQ(locale.weekdayAbbrev(1), "Sun");
    EXPECT_EQ(locale.weekdayAbbrev(7), "Sat");
    EXPECT_EQ(locale.firstDayOfWeek(), 1);
    EXPECT_EQ(locale.timeSeparator(), ":");
}

TEST(Win32LocaleTest, UpperCaseFollowsTheAnsiCodePage) {
    platform::win32::Win32Locale locale;
    EXPECT_EQ(locale.toUpper("januar 1st"), "JANUAR 1ST");
    EXPECT_EQ(locale.toUpper(""), "");
    if (GetACP() != 1252) GTEST_SKIP() << "accented letters checked in code page 1252 only";
    EXPECT_EQ(locale.toUpper("\xe9t\xe9 \xf6"), "\xc9T\xc9 \xd6");
}

}  // namespace
