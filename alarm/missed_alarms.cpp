#include "alarm/missed_alarms.h"

#include <algorithm>
#include <cstdio>

#include "diary/calendar.h"

namespace alarms {

namespace {

constexpr const char* kLineBreak = "\r\n";
constexpr int kMinutesPerHour = 60;
constexpr int kHoursPerDay = 24;

// Days since 1 March of the year 0 of the proleptic Gregorian calendar (H. Hinnant's algorithm).
long long DaysFromCivil(int year, int month, int day) {
    const long long y = year - (month <= 2 ? 1 : 0);
    const long long era = (y >= 0 ? y : y - 399) / 400;
    const long long yoe = y - era * 400;
    const long long doy = (153 * (month + (month > 2 ? -3 : 9)) + 2) / 5 + day - 1;
    const long long doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return era * 146097 + doe;
}

void CivilFromDays(long long days, int& year, int& month, int& day) {
    const long long era = (days >= 0 ? days : days - 146096) / 146097;
    const long long doe = days - era * 146097;
    const long long yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    const long long doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    const long long mp = (5 * doy + 2) / 153;
    day = static_cast<int>(doy - (153 * mp + 2) / 5 + 1);
    month = static_cast<int>(mp < 10 ? mp + 3 : mp - 9);
    year = static_cast<int>(yoe + era * 400 + (month <= 2 ? 1 : 0));
}

const long long kFirstDay = DaysFromCivil(1, 1, 1);

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

int DigitAt(const std::string& text, std::size_t at) {
    return text[at] - '0';
}

bool Rings(const std::string& text, AlarmSource source, const std::string& time) {
    return source == AlarmSource::DiaryLine || source == AlarmSource::Note ? HasBracketedTime(text, time)
                                                                           : HasWholeTime(text, time);
}

std::string TimeOfMinute(long long minute, const std::string& separator) {
    return ClockTime(MinuteDate(minute), separator);
}

std::string Counted(long long count, const std::string& one, const std::string& many) {
    return std::to_string(count) + " " + (count == 1 ? one : many);
}

}  // namespace

long long MinuteNumber(const platform::DateTime& at) {
    return (DaysFromCivil(at.year, at.month, at.day) - kFirstDay) * kMinutesPerDay + at.hour * kMinutesPerHour +
           at.minute;
}

platform::DateTime MinuteDate(long long minute) {
    platform::DateTime at;
    CivilFromDays(minute / kMinutesPerDay + kFirstDay, at.year, at.month, at.day);
    const auto ofDay = static_cast<int>(minute % kMinutesPerDay);
    at.hour = ofDay / kMinutesPerHour;
    at.minute = ofDay % kMinutesPerHour;
    return at;
}

std::string MinuteText(long long minute) {
    const platform::DateTime at = MinuteDate(minute);
    char text[32];
    std::snprintf(text, sizeof text, "%04d-%02d-%02d %02d:%02d", at.year, at.month, at.day, at.hour, at.minute);
    return text;
}

std::optional<long long> ParseMinuteText(const std::string& text) {
    // yyyy-mm-dd hh:mm
    static constexpr const char* kShape = "dddd-dd-dd dd:dd";
    const std::string shape = kShape;
    if (text.size() != shape.size()) return std::nullopt;
    for (std::size_t i = 0; i < shape.size(); ++i) {
        if (shape[i] == 'd' ? !IsDigit(text[i]) : text[i] != shape[i]) return std::nullopt;
    }
    const auto number = [&text](std::size_t at, std::size_t length) { return std::stoi(text.substr(at, length)); };
    platform::DateTime at{number(0, 4), number(5, 2), number(8, 2), number(11, 2), number(14, 2), 0};
    if (at.year < 1 || at.month < 1 || at.month > 12 || at.day < 1 || at.hour >= kHoursPerDay ||
        at.minute >= kMinutesPerHour) {
        return std::nullopt;
    }
    const long long minute = MinuteNumber(at);
    // 31 February and its like are not a minute of the calendar.
    const platform::DateTime back = MinuteDate(minute);
    if (back.day != at.day || back.month != at.month) return std::nullopt;
    return minute;
}

std::vector<int> RingingMinutes(const std::string& text, AlarmSource source, const std::string& separator) {
    std::vector<int> minutes;
    if (separator.empty()) return minutes;
    // Every time the clock could find has a digit before the separator and two after it.
    for (auto at = text.find(separator); at != std::string::npos; at = text.find(separator, at + 1)) {
        const std::size_t after = at + separator.size();
        if (at == 0 || after + 2 > text.size() || !IsDigit(text[at - 1]) || !IsDigit(text[after]) ||
            !IsDigit(text[after + 1])) {
            continue;
        }
        const int minute = DigitAt(text, after) * 10 + DigitAt(text, after + 1);
        std::vector<int> hours{DigitAt(text, at - 1)};
        if (at >= 2 && IsDigit(text[at - 2])) hours.push_back(DigitAt(text, at - 2) * 10 + DigitAt(text, at - 1));
        for (const int hour : hours) {
            if (hour >= kHoursPerDay || minute >= kMinutesPerHour) continue;
            const int ofDay = hour * kMinutesPerHour + minute;
            if (std::find(minutes.begin(), minutes.end(), ofDay) != minutes.end()) continue;
            if (Rings(text, source, ClockTime({2000, 1, 1, hour, minute, 0}, separator))) minutes.push_back(ofDay);
        }
    }
    std::sort(minutes.begin(), minutes.end());
    return minutes;
}

MissedAlarms FindMissed(long long after, long long before, const AlarmTextsOfDay& textsOf, const std::string& separator,
                        std::size_t keep) {
    MissedAlarms found;
    if (before - after < 2) return found;
    const long long first = after + 1;
    const long long last = before - 1;
    const long long lastDay = last / kMinutesPerDay;
    long long day = first / kMinutesPerDay;
    if (day < lastDay - (kMissedDaysLooked - 1)) {
        day = lastDay - (kMissedDaysLooked - 1);
        found.notAllLooked = true;
    }
    std::vector<MissedAlarm> all;
    for (; day <= lastDay; ++day) {
        const platform::DateTime date = MinuteDate(day * kMinutesPerDay);
        const TodaysAlarmTexts texts = textsOf(date.year, date.month, date.day);
        const std::pair<AlarmSource, const std::string*> sources[] = {{AlarmSource::DiaryLine, &texts.diaryLine},
                                                                      {AlarmSource::Note, &texts.note},
                                                                      {AlarmSource::Weekday, &texts.weekday},
                                                                      {AlarmSource::DayOfMonth, &texts.dayOfMonth}};
        for (const auto& [source, text] : sources) {
            for (const int ofDay : RingingMinutes(*text, source, separator)) {
                const long long due = day * kMinutesPerDay + ofDay;
                if (due >= first && due <= last) all.push_back({due, source, *text});
            }
        }
    }
    std::stable_sort(all.begin(), all.end(), [](const MissedAlarm& a, const MissedAlarm& b) { return a.due < b.due; });
    const std::size_t left = all.size() > keep ? all.size() - keep : 0;
    found.earlier = static_cast<long long>(left);
    found.latest.assign(all.begin() + static_cast<std::ptrdiff_t>(left), all.end());
    return found;
}

std::vector<MissedAlarm> LateAlarms(const std::vector<MissedAlarm>& missed, long long now, int minutes) {
    if (missed.empty()) return {};
    const long long due = missed.back().due;
    if (now - due > minutes || now <= due) return {};
    std::vector<MissedAlarm> late;
    for (const auto& alarm : missed) {
        if (alarm.due == due) late.push_back(alarm);
    }
    return late;
}

std::string LateAlarmText(const std::vector<MissedAlarm>& late, long long now, const std::string& separator) {
    if (late.empty()) return {};
    const long long due = late.front().due;
    TodaysAlarmTexts texts;
    for (const auto& alarm : late) {
        switch (alarm.source) {
            case AlarmSource::DiaryLine:
                texts.diaryLine = alarm.text;
                break;
            case AlarmSource::Note:
                texts.note = alarm.text;
                break;
            case AlarmSource::Weekday:
                texts.weekday = alarm.text;
                break;
            case AlarmSource::DayOfMonth:
                texts.dayOfMonth = alarm.text;
                break;
        }
    }
    const std::string time = TimeOfMinute(due, separator);
    std::string when = "due at " + time;
    if (due / kMinutesPerDay != now / kMinutesPerDay) when += " on " + app::DayMonthYear(MinuteDate(due));
    return CollectAlarms("", texts, time) + kLineBreak + kLineBreak + "(" + when + ", " +
           Counted(now - due, "minute", "minutes") + " ago)";
}

std::string MissedLine(const MissedAlarm& alarm, const std::string& separator) {
    return app::DayMonthYear(MinuteDate(alarm.due)) + "  " + TimeOfMinute(alarm.due, separator) + "   " +
           TrimSpaces(alarm.text);
}

std::string MissedListText(const std::vector<MissedAlarm>& alarms, long long earlier, bool notAllLooked,
                           const std::string& separator) {
    std::string text;
    for (const auto& alarm : alarms) {
        if (!text.empty()) text += kLineBreak;
        text += MissedLine(alarm, separator);
    }
    if (earlier > 0) {
        text += std::string(kLineBreak) + "... and " +
                Counted(earlier, "earlier missed alarm", "earlier missed alarms") + ", not listed.";
    }
    if (notAllLooked) {
        text += std::string(kLineBreak) + "Alarms more than " + std::to_string(kMissedDaysLooked) +
                " days ago were not looked for.";
    }
    return text;
}

int ClampLateMinutes(long long minutes) {
    return static_cast<int>(std::clamp<long long>(minutes, kLateMinutesLeast, kLateMinutesMost));
}

}  // namespace alarms
