#include "diary/calendar.h"

namespace app {

int Weekday(int year, int month, int day) {
    // Zeller's congruence, with January and February counted as months 13 and 14 of the year before.
    if (month < 3) {
        month += 12;
        --year;
    }
    const int century = year / 100;
    const int yearOfCentury = year % 100;
    const int h = (day + 13 * (month + 1) / 5 + yearOfCentury + yearOfCentury / 4 + century / 4 + 5 * century) % 7;
    // h: 0 Saturday, 1 Sunday ... 6 Friday.
    return h == 0 ? 7 : h;
}

int DaysIn(int year, int month) {
    static constexpr int kDays[13] = {0, 31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    const bool leap = (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
    return month == 2 && leap ? 29 : kDays[month];
}

std::string DayMonthYear(const platform::DateTime& date) {
    return DayMonth(date.month, date.day) + std::to_string(date.year);
}

std::string DayMonth(int month, int day) {
    return std::to_string(day) + "." + std::to_string(month) + ".";
}

}  // namespace app
