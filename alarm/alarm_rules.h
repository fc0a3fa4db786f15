// What the alarm clock and the day message decide without a window: the clock's time text,
// when a text holds an alarm time, how the texts due in a minute join into one message, and
// whether today's day message is still wanted.
#pragma once

#include <string>

#include "platform/types.h"

namespace alarms {

// The "h:mm" of a moment: hours without a leading zero, two-digit minutes, with the locale's
// separator between them.
std::string ClockTime(const platform::DateTime& now, const std::string& separator);

// A minute of a day ("d.m.yyyy h:mm"), so that an alarm rings once although the clock looks
// four times in a minute.
std::string MinuteOf(const platform::DateTime& now, const std::string& separator);

// Diary lines and yearly notes write an alarm time in square brackets: "[9:05] dentist".
bool HasBracketedTime(const std::string& text, const std::string& time);

// The alarm tables write plain times. A time counts only as a whole: not followed by a digit,
// and not preceded by a digit other than leading zeros ("07:30" holds 7:30; "17:30" and
// "7:305" do not).
bool HasWholeTime(const std::string& text, const std::string& time);

// The row of the weekday alarms that a date rings: 1 Monday .. 7 Sunday, as the alarm dialog
// labels them.
int WeekdayAlarmRow(int year, int month, int day);

// The four places an alarm of today can come from.
struct TodaysAlarmTexts {
    std::string diaryLine;   // today's diary line without its format code
    std::string note;        // today's yearly note
    std::string weekday;     // the weekday alarms of today's weekday
    std::string dayOfMonth;  // the day-of-month alarms of today's day
};

// The message of the minute `time`, added to `message` (which holds the day message, if one was
// just shown): a ringing diary line replaces it; a ringing note follows a line break, even after
// nothing; a ringing table text follows a line break after something, else stands alone.
std::string CollectAlarms(std::string message, const TodaysAlarmTexts& texts, const std::string& time);

// The day message's dismissal mark: today as "dd.mm.yyyy".
std::string DismissalDate(const platform::DateTime& today);

// The day message shows unless it was dismissed today or is switched off ("RESUME").
bool DayMessageWanted(const std::string& resumeMode, const platform::DateTime& today);

// The day message of a day with a diary line and/or a yearly note: the line, an empty line,
// then the note.
std::string DayMessageText(const std::string& diaryLine, const std::string& note);

// The text without the spaces at its start and end; line breaks stay.
std::string TrimSpaces(const std::string& text);

}  // namespace alarms
