#include "alarm/alarm_file.h"

#include <cctype>

namespace alarms {

std::string FormatSoundLine(int sound) {
    // A negative number's sign takes the place of the leading space.
    return (sound < 0 ? "" : " ") + std::to_string(sound) + " ";
}

std::optional<int> ParseSoundLine(const std::string& line) {
    const auto first = line.find_first_not_of(' ');
    if (first == std::string::npos) return std::nullopt;
    const auto last = line.find_last_not_of(' ');
    const std::string number = line.substr(first, last - first + 1);
    if (number.size() != 1 || !std::isdigit(static_cast<unsigned char>(number[0]))) return std::nullopt;
    const int value = number[0] - '0';
    if (value > 2) return std::nullopt;
    return value;
}

std::vector<std::string> AlarmLines(int sound, const DayAlarmTable& days, const WeekdayAlarmTable& weekdays) {
    std::vector<std::string> lines{FormatSoundLine(sound)};
    lines.insert(lines.end(), days.begin() + 1, days.end());
    lines.insert(lines.end(), weekdays.begin() + 1, weekdays.end());
    return lines;
}

void ApplyAlarmLines(const std::vector<std::string>& lines, int& sound, DayAlarmTable& days,
                     WeekdayAlarmTable& weekdays) {
    if (lines.empty()) return;
    if (const auto value = ParseSoundLine(lines[0])) sound = *value;
    for (std::size_t line = 1; line < lines.size() && line < static_cast<std::size_t>(kAlarmLines); ++line) {
        if (line <= kMonthDays) {
            days[line] = lines[line];
        } else {
            weekdays[line - kMonthDays] = lines[line];
        }
    }
}

}  // namespace alarms
