// What the calendar holds for today, whichever year and month the calendar window shows.
#pragma once

#include <string>

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

}  // namespace alarms
