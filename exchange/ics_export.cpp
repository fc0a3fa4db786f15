#include "exchange/ics_export.h"

#include <vector>

#include "alarm/missed_alarms.h"
#include "app/data_file_names.h"
#include "app/datafiles.h"
#include "diary/calendar.h"
#include "diary/day_tables.h"
#include "diary/year_range.h"
#include "exchange/code_page.h"
#include "exchange/ics_text.h"

namespace exchange {

namespace {

constexpr const char* kWeekdayCodes[] = {"", "MO", "TU", "WE", "TH", "FR", "SA", "SU"};
// 3 January 2000 was a Monday: the weekly rows start in that week.
constexpr int kFirstMondayDay = 3;

std::string Digits(int value, std::size_t width) {
    const std::string text = std::to_string(value);
    return std::string(text.size() < width ? width - text.size() : 0, '0') + text;
}

std::string DateValue(const platform::DateTime& date) {
    return Digits(date.year, 4) + Digits(date.month, 2) + Digits(date.day, 2);
}

std::string TimeValue(const platform::DateTime& date, int minuteOfDay) {
    return DateValue(date) + "T" + Digits(minuteOfDay / 60, 2) + Digits(minuteOfDay % 60, 2) + "00";
}

std::string HourMinute(int minuteOfDay) {
    return Digits(minuteOfDay / 60, 2) + Digits(minuteOfDay % 60, 2);
}

platform::DateTime NextDay(const platform::DateTime& date) {
    return alarms::MinuteDate(alarms::MinuteNumber(date) + alarms::kMinutesPerDay);
}

std::string Text(const std::string& ansi) {
    return EscapeText(AnsiToUtf8(ansi));
}

// The X- properties of a line's format: its weight and colour come back with an import.
std::vector<std::string> FormatLines(const std::string& cell) {
    std::vector<std::string> lines;
    if (app::DiaryBold(cell)) lines.emplace_back("X-ORVANE-BOLD:TRUE");
    const char colour = cell.size() > 1 ? cell[1] : '#';
    if (colour == 'R' || colour == 'Y' || colour == 'G' || colour == 'B') {
        lines.push_back(std::string("X-ORVANE-COLOR:") + colour);
    }
    return lines;
}

class Writer {
public:
    explicit Writer(const platform::DateTime& stamp)
        : stamp_(DateValue(stamp) + "T" + Digits(stamp.hour, 2) + Digits(stamp.minute, 2) + Digits(stamp.second, 2) +
                 "Z") {
        Line("BEGIN:VCALENDAR");
        Line("VERSION:2.0");
        Line("PRODID:-//Orvane Notes//Orvane Notes//EN");
        Line("CALSCALE:GREGORIAN");
    }

    void AllDay(const std::string& uid, const platform::DateTime& date, const std::string& summary,
                const std::string& rule, const std::vector<std::string>& extra) {
        Begin(uid);
        Line("DTSTART;VALUE=DATE:" + DateValue(date));
        Line("DTEND;VALUE=DATE:" + DateValue(NextDay(date)));
        if (!rule.empty()) Line("RRULE:" + rule);
        Line("SUMMARY:" + summary);
        for (const auto& line : extra) Line(line);
        Line("TRANSP:TRANSPARENT");
        Line("END:VEVENT");
    }

    // An alarm time: floating local time (no time zone), as the program's own clock rings.
    void Timed(const std::string& uid, const platform::DateTime& date, int minuteOfDay, const std::string& summary,
               const std::string& rule, const std::vector<std::string>& extra) {
        Begin(uid);
        Line("DTSTART:" + TimeValue(date, minuteOfDay));
        Line("DURATION:PT0S");
        if (!rule.empty()) Line("RRULE:" + rule);
        Line("SUMMARY:" + summary);
        for (const auto& line : extra) Line(line);
        Line("BEGIN:VALARM");
        Line("ACTION:DISPLAY");
        Line("DESCRIPTION:" + summary);
        Line("TRIGGER:PT0S");
        Line("END:VALARM");
        Line("END:VEVENT");
    }

    std::string Finish() {
        Line("END:VCALENDAR");
        return std::move(out_);
    }

private:
    void Begin(const std::string& uid) {
        Line("BEGIN:VEVENT");
        Line("UID:" + uid + kUidDomain);
        Line("DTSTAMP:" + stamp_);
    }
    void Line(const std::string& line) { out_ += FoldedLine(line); }

    std::string stamp_;
    std::string out_;
};

void WriteDiary(Writer& writer, int year, const app::DayTable& cells) {
    for (int month = 1; month <= 12; ++month) {
        for (int day = 1; day <= app::DaysIn(year, month); ++day) {
            const std::string& cell = cells(month, day);
            if (!app::HasDiaryLine(cell)) continue;
            const platform::DateTime date{year, month, day};
            const std::string text = app::DiaryText(cell);
            const std::string summary = Text(text);
            const auto format = FormatLines(cell);
            writer.AllDay(DateValue(date) + "-diary", date, summary, "", format);
            for (const int minute : alarms::RingingMinutes(text, alarms::AlarmSource::DiaryLine, ":")) {
                writer.Timed(DateValue(date) + "-diary-" + HourMinute(minute), date, minute, summary, "", format);
            }
        }
    }
}

void WriteNotes(Writer& writer, const app::DayTable& reminders) {
    for (int month = 1; month <= 12; ++month) {
        for (int day = 1; day <= app::DaysIn(kFirstRecurringYear, month); ++day) {
            const std::string& note = reminders(month, day);
            if (note.empty()) continue;
            const platform::DateTime date{kFirstRecurringYear, month, day};
            // 29 February falls on the last day of February in the other years.
            const std::string rule = month == 2 && day == 29 ? "FREQ=YEARLY;BYMONTH=2;BYMONTHDAY=-1" : "FREQ=YEARLY";
            const std::string id = Digits(month, 2) + Digits(day, 2) + "-note";
            const std::string summary = Text(note);
            writer.AllDay(id, date, summary, rule, {});
            for (const int minute : alarms::RingingMinutes(note, alarms::AlarmSource::Note, ":")) {
                writer.Timed(id + "-" + HourMinute(minute), date, minute, summary, rule, {});
            }
        }
    }
}

void WriteAlarmTable(Writer& writer, const CalendarData& data) {
    for (int day = 1; day <= alarms::kMonthDays; ++day) {
        const std::string& text = data.dayAlarms[static_cast<std::size_t>(day)];
        for (const int minute : alarms::RingingMinutes(text, alarms::AlarmSource::DayOfMonth, ":")) {
            writer.Timed(Digits(day, 2) + "-monthly-" + HourMinute(minute), {kFirstRecurringYear, 1, day}, minute,
                         Text(text), "FREQ=MONTHLY;BYMONTHDAY=" + std::to_string(day), {});
        }
    }
    for (int row = 1; row <= alarms::kWeekdays; ++row) {
        const std::string& text = data.weekdayAlarms[static_cast<std::size_t>(row)];
        for (const int minute : alarms::RingingMinutes(text, alarms::AlarmSource::Weekday, ":")) {
            const std::string code = kWeekdayCodes[row];
            writer.Timed(code + "-weekly-" + HourMinute(minute), {kFirstRecurringYear, 1, kFirstMondayDay + row - 1},
                         minute, Text(text), "FREQ=WEEKLY;BYDAY=" + code, {});
        }
    }
}

// The cells of a year file; nothing when it is there but cannot be read.
std::optional<app::DayTable> ReadYear(platform::FileSystem& files, const std::string& path) {
    app::DayTable cells;
    if (!app::FilePresent(files, path)) return cells;
    const auto lines = app::ReadLines(files, path);
    if (!lines) return std::nullopt;
    for (int month = 1; month <= 12; ++month) {
        for (int day = 1; day <= app::kYearFileDaysPerMonth; ++day) {
            const auto index = static_cast<std::size_t>((month - 1) * app::kYearFileDaysPerMonth + day - 1);
            cells(month, day) = index < lines->size() ? (*lines)[index] : app::kEmptyDiaryCell;
        }
    }
    return cells;
}

std::optional<int> YearOfFileName(const std::string& name) {
    if (name.size() != 4 || name.find_first_not_of("0123456789") != std::string::npos) return std::nullopt;
    const int year = std::stoi(name);
    if (year < app::kFirstYear || year > app::kLastYear) return std::nullopt;
    return year;
}

bool Unreadable(platform::FileSystem& files, const std::string& path, std::optional<std::vector<std::string>>& lines) {
    lines.reset();
    if (!app::FilePresent(files, path)) return false;
    lines = app::ReadLines(files, path);
    return !lines;
}

}  // namespace

std::string WriteCalendar(const CalendarData& data, const platform::DateTime& stamp) {
    Writer writer(stamp);
    for (const auto& [year, cells] : data.years) WriteDiary(writer, year, cells);
    WriteNotes(writer, data.reminders);
    WriteAlarmTable(writer, data);
    return writer.Finish();
}

std::optional<CalendarData> ReadCalendarData(platform::FileSystem& files, const std::string& dataPath,
                                             std::optional<int> year, std::string* why) {
    const auto fail = [&](const std::string& reason) -> std::optional<CalendarData> {
        if (why) *why = reason;
        return std::nullopt;
    };
    if (files.entry(dataPath) != platform::EntryKind::Folder) return fail("There is no data folder " + dataPath + ".");
    CalendarData data;
    std::vector<int> years;
    if (year) {
        years.push_back(*year);
    } else {
        for (const auto& name : files.listFiles(dataPath + app::kDiaryFolder)) {
            if (const auto found = YearOfFileName(name)) years.push_back(*found);
        }
    }
    for (const int shown : years) {
        const std::string path = dataPath + app::YearFile(shown);
        auto cells = ReadYear(files, path);
        if (!cells) return fail(path + " cannot be read.");
        data.years[shown] = std::move(*cells);
    }
    std::optional<std::vector<std::string>> lines;
    if (Unreadable(files, dataPath + app::kReminderFile, lines))
        return fail(dataPath + app::kReminderFile + " cannot be read.");
    if (lines) {
        std::size_t index = 0;
        for (int month = 1; month <= 12; ++month) {
            for (int day = 1; day <= app::DaysIn(kFirstRecurringYear, month) && index < lines->size(); ++day) {
                data.reminders(month, day) = (*lines)[index++];
            }
        }
    }
    if (Unreadable(files, dataPath + app::kAlarmFile, lines))
        return fail(dataPath + app::kAlarmFile + " cannot be read.");
    if (lines) {
        int sound = 0;
        alarms::ApplyAlarmLines(*lines, sound, data.dayAlarms, data.weekdayAlarms);
    }
    return data;
}

std::optional<CalendarData> CalendarDataOf(platform::FileSystem& files, const app::SharedValues& values,
                                           std::optional<int> year, std::string* why) {
    auto data = ReadCalendarData(files, values.DataPath, year, why);
    if (!data) return std::nullopt;
    if (!year || *year == values.CurYear) data->years[values.CurYear] = values.Diary;
    data->reminders = values.Reminders;
    std::copy(values.DayAlarms.begin(), values.DayAlarms.end(), data->dayAlarms.begin());
    std::copy(values.WeekdayAlarms.begin(), values.WeekdayAlarms.end(), data->weekdayAlarms.begin());
    return data;
}

}  // namespace exchange
