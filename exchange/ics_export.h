// The calendar as an iCalendar file (RFC 5545): every written diary line as an all-day event on
// its date, every recurring note as an all-day event each year, and every alarm time (a "[h:mm]"
// in a line or a note, a time in a row of the monthly or weekly alarm table) as an event at that
// time with a reminder that shows its text. UIDs are made of the date, the kind and the time, so
// that a calendar that takes the file again updates its events instead of doubling them.
#pragma once

#include <map>
#include <optional>
#include <string>

#include "alarm/alarm_file.h"
#include "app/shared_values.h"
#include "platform/file_system.h"
#include "platform/types.h"

namespace exchange {

// What an export takes: the diary cells of the years chosen (format code and text, in the code
// page), the recurring notes and the alarm tables.
struct CalendarData {
    std::map<int, app::DayTable> years;
    app::DayTable reminders;
    alarms::DayAlarmTable dayAlarms{};
    alarms::WeekdayAlarmTable weekdayAlarms{};
};

// The year recurring events start in: a leap year, so that 29 February starts on its own day.
inline constexpr int kFirstRecurringYear = 2000;

// The file's text. `stamp` is the moment of the export in UTC (every event's DTSTAMP).
std::string WriteCalendar(const CalendarData& data, const platform::DateTime& stamp);

// Reads the data folder for an export, without writing anything: one year's file, or every year
// file there is, the recurring notes and the alarm tables. A missing file holds nothing; nothing
// (with the reason in `why`) when the folder is missing or a file there cannot be read.
std::optional<CalendarData> ReadCalendarData(platform::FileSystem& files, const std::string& dataPath,
                                             std::optional<int> year, std::string* why);

// The same, with what the program holds in memory laid over the files: the shown year's lines,
// the recurring notes and the alarm tables, saved or not.
std::optional<CalendarData> CalendarDataOf(platform::FileSystem& files, const app::SharedValues& values,
                                           std::optional<int> year, std::string* why);

// What every UID ends with, after its date, kind and time: the program's events, whoever
// imports them.
inline constexpr const char* kUidDomain = "@orvane-notes";

}  // namespace exchange
