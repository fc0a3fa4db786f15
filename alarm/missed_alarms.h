// Alarms that fell due while the clock did not look: the computer slept, the program was not
// running, or the clock was set forward. What counts as missed, which missed alarm may still
// ring late, and the texts that say so, without a window.
#pragma once

#include <cstddef>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "alarm/alarm_rules.h"
#include "platform/types.h"

namespace alarms {

// A minute of the calendar as one number: whole minutes since 1 January of the year 1, the
// seconds dropped. Consecutive minutes have consecutive numbers, across midnight, months and years.
long long MinuteNumber(const platform::DateTime& at);
platform::DateTime MinuteDate(long long minute);
inline constexpr long long kMinutesPerDay = 24 * 60;

// "yyyy-mm-dd hh:mm", as the file of the last minute checked keeps it; nullopt for anything else.
std::string MinuteText(long long minute);
std::optional<long long> ParseMinuteText(const std::string& text);

// Where an alarm's text comes from, in the order a minute's message joins them.
enum class AlarmSource { DiaryLine, Note, Weekday, DayOfMonth };

// The minutes of the day (0 .. 1439) at which a text rings, as the clock looks: a diary line or a
// yearly note at each "[h:mm]" it holds, a table text at each whole time. In order, each once.
std::vector<int> RingingMinutes(const std::string& text, AlarmSource source, const std::string& separator);

struct MissedAlarm {
    long long due = 0;  // MinuteNumber of the minute it fell due
    AlarmSource source = AlarmSource::DiaryLine;
    std::string text;  // the diary line, note or table text that rang
};

// The alarm texts of a date (a day that does not exist, 30 February, is never asked for).
using AlarmTextsOfDay = std::function<TodaysAlarmTexts(int year, int month, int day)>;

// At most this many days before the clock's minute are looked through: a clock set forward by
// years costs no more than one set forward by a year.
inline constexpr int kMissedDaysLooked = 366;
// A list shows at most this many missed alarms, the latest, and counts the rest.
inline constexpr std::size_t kMissedListLength = 50;

struct MissedAlarms {
    std::vector<MissedAlarm> latest;  // the latest `keep` of them, the earliest first
    long long earlier = 0;            // how many fell due before those
    bool notAllLooked = false;        // the gap began more than kMissedDaysLooked days ago
};

// The alarms due in the minutes after `after` and before `before` (neither included).
MissedAlarms FindMissed(long long after, long long before, const AlarmTextsOfDay& textsOf, const std::string& separator,
                        std::size_t keep);

// The missed alarm that may still ring: the latest one due at most `minutes` before `now`, with
// every other text due in its minute. Empty when none is that recent.
std::vector<MissedAlarm> LateAlarms(const std::vector<MissedAlarm>& missed, long long now, int minutes);

// The late alarm's message: its texts joined as in their minute, then when it was due:
// "[10:00] dentist\r\n\r\n(due at 10:00, 7 minutes ago)"; a day other than today's is named.
std::string LateAlarmText(const std::vector<MissedAlarm>& late, long long now, const std::string& separator);

// A missed alarm as a line of the list: "7.12.2026  10:00   [10:00] dentist".
std::string MissedLine(const MissedAlarm& alarm, const std::string& separator);

// The whole list: one line each, then, when some were left out, how many and, when the gap was
// longer than was looked through, that earlier ones were not looked for.
std::string MissedListText(const std::vector<MissedAlarm>& alarms, long long earlier, bool notAllLooked,
                           const std::string& separator);

// The late-alarm options: the number of minutes is always 1 .. 60.
inline constexpr int kLateMinutesLeast = 1;
inline constexpr int kLateMinutesMost = 60;
inline constexpr int kLateMinutesDefault = 10;
int ClampLateMinutes(long long minutes);

}  // namespace alarms
