// What the calendar holds for today, whichever year and month the calendar window shows.
#pragma once

#include <map>
#include <optional>
#include <string>
#include <vector>

#include "alarm/alarm_rules.h"
#include "app/module.h"
#include "platform/types.h"

namespace alarms {

struct TodaysEntries {
    std::string diaryLine;  // without its format code; "" for a day without a line
    std::string note;       // the yearly note
    std::string nameDay;    // the name-day text, without its holiday mark
};

// Today's diary line comes from Diary while today's year is on screen (edits not yet saved
// included) and from today's year file while another year is.
TodaysEntries EntriesOf(app::Module& module, const platform::DateTime& today);

// The alarm texts of any date, as the clock would have found them on that day: the diary line
// from Diary while its year is on screen and from its year file otherwise (each file read once),
// the yearly note, the weekday and the day-of-month alarms as they are now.
class AlarmTextsOfDates {
public:
    explicit AlarmTextsOfDates(app::Module& module) : module_(module) {}
    TodaysAlarmTexts operator()(int year, int month, int day);

private:
    app::Module& module_;
    std::map<int, std::optional<std::vector<std::string>>> years_;
};

}  // namespace alarms
