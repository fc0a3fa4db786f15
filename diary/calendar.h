// Calendar arithmetic for the years the calendar shows (100 to 9999, Gregorian throughout).
#pragma once

#include <string>

#include "platform/types.h"

namespace app {

// 1 Sunday, 2 Monday ... 7 Saturday.
int Weekday(int year, int month, int day);

// The days of a month of a year (February by the Gregorian leap-year rule).
int DaysIn(int year, int month);

// "d.m.yyyy": day and month without leading zeros (5.12.2026).
std::string DayMonthYear(const platform::DateTime& date);

// "d.m.": a date of any year, as a day's line is named (5.12.).
std::string DayMonth(int month, int day);

}  // namespace app
