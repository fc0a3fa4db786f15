#include "alarm/alarm_rules.h"

#include <cstdio>

#include "diary/calendar.h"

namespace alarms {

namespace {

constexpr const char* kLineBreak = "\r\n";

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

// The occurrence at `at` stands alone: leading zeros before it are part of the time.
bool WholeAt(const std::string& text, std::size_t at, std::size_t length) {
    const std::size_t end = at + length;
    if (end < text.size() && IsDigit(text[end])) return false;
    std::size_t before = at;
    while (before > 0 && text[before - 1] == '0') --before;
    return before == 0 || !IsDigit(text[before - 1]);
}

}  // namespace

std::string ClockTime(const platform::DateTime& now, const std::string& separator) {
    char minutes[4];
    std::snprintf(minutes, sizeof minutes, "%02d", now.minute);
    return std::to_string(now.hour) + separator + minutes;
}

std::string MinuteOf(const platform::DateTime& now, const std::string& separator) {
    return app::DayMonthYear(now) + " " + ClockTime(now, separator);
}

bool HasBracketedTime(const std::string& text, const std::string& time) {
    return text.find("[" + time + "]") != std::string::npos;
}

bool HasWholeTime(const std::string& text, const std::string& time) {
    if (time.empty()) return false;
    for (auto at = text.find(time); at != std::string::npos; at = text.find(time, at + 1)) {
        if (WholeAt(text, at, time.size())) return true;
    }
    return false;
}

int WeekdayAlarmRow(int year, int month, int day) {
    // app::Weekday counts 1 Sunday .. 7 Saturday.
    return (app::Weekday(year, month, day) + 5) % 7 + 1;
}

std::string CollectAlarms(std::string message, const TodaysAlarmTexts& texts, const std::string& time) {
    if (HasBracketedTime(texts.diaryLine, time)) message = texts.diaryLine;
    if (HasBracketedTime(texts.note, time)) message += kLineBreak + texts.note;
    for (const std::string* table : {&texts.weekday, &texts.dayOfMonth}) {
        if (!HasWholeTime(*table, time)) continue;
        message += message.empty() ? *table : kLineBreak + *table;
    }
    return message;
}

std::string DismissalDate(const platform::DateTime& today) {
    char text[16];
    std::snprintf(text, sizeof text, "%02d.%02d.%04d", today.day, today.month, today.year);
    return text;
}

bool DayMessageWanted(const std::string& resumeMode, const platform::DateTime& today) {
    return resumeMode != "RESUME" && resumeMode != DismissalDate(today);
}

std::string DayMessageText(const std::string& diaryLine, const std::string& note) {
    std::string message;
    if (!diaryLine.empty()) message = diaryLine + kLineBreak + kLineBreak;
    return message + note;
}

std::string TrimSpaces(const std::string& text) {
    const auto first = text.find_first_not_of(' ');
    if (first == std::string::npos) return {};
    return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

}  // namespace alarms
