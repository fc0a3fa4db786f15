// The alarm file "\Alarm": the sound switch, then the day-of-month alarm texts 1..31, then the
// weekday alarm texts Monday..Sunday, one CR LF line each (39 lines).
#pragma once

#include <array>
#include <optional>
#include <string>
#include <vector>

namespace alarms {

inline constexpr int kMonthDays = 31;
inline constexpr int kWeekdays = 7;
inline constexpr int kAlarmLines = 1 + kMonthDays + kWeekdays;
// The most a day-of-month alarm text holds; the weekday texts have no limit.
inline constexpr int kDayAlarmLimit = 100;

// Tables indexed from 1, as the dialog's rows are numbered; element 0 is unused.
using DayAlarmTable = std::array<std::string, kMonthDays + 1>;
using WeekdayAlarmTable = std::array<std::string, kWeekdays + 1>;

// Line 1: the number with a space before and after, as numbers are printed to text files (" 1 ").
std::string FormatSoundLine(int sound);
// The whole line as a check box state 0..2, spaces ignored; nothing for anything else.
std::optional<int> ParseSoundLine(const std::string& line);

// The 39 lines of the file. `sound` is the "Sound On" box: 1 on, 0 off (2, greyed, rings silently).
std::vector<std::string> AlarmLines(int sound, const DayAlarmTable& days, const WeekdayAlarmTable& weekdays);
// Takes what the lines give: lines beyond the 39th are ignored, missing ones leave their values
// as they were, and a first line that is no check box state leaves the sound as it was.
void ApplyAlarmLines(const std::vector<std::string>& lines, int& sound, DayAlarmTable& days,
                     WeekdayAlarmTable& weekdays);

}  // namespace alarms
