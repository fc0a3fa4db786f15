// Reading an iCalendar file as other programs write it: lines folded or not, ended by CR LF or LF
// alone, parameters in any order, dates with or without a time, times in UTC or local. Only what
// the calendar can hold is taken: each event's start, text, repetition and the program's own
// format properties.
#pragma once

#include <string>
#include <vector>

#include "platform/types.h"

namespace exchange {

struct CalendarEvent {
    std::string summary;  // UTF-8, unescaped
    platform::DateTime start;
    bool timed = false;  // else an all-day event
    std::string rule;    // the RRULE value, upper-cased; empty for a single event
    bool bold = false;   // X-ORVANE-BOLD
    char colour = '#';   // X-ORVANE-COLOR: "R", "Y", "G", "B"
    bool cancelled = false;
};

struct ReadEvents {
    std::vector<CalendarEvent> events;
    int unreadable = 0;  // events without a start the calendar can read
    std::string error;   // set when the file is no calendar or is cut short: then nothing is taken
};

// `utcOffsetMinutes` is how far local time is ahead of UTC now: a time written in UTC ("...Z") is
// moved by it. A time with a TZID is taken as the wall-clock time it names, as a floating one is.
ReadEvents ReadCalendar(const std::string& content, int utcOffsetMinutes);

}  // namespace exchange
