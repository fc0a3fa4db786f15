// Loading and saving the alarm settings that the program shares: DayAlarms, WeekdayAlarms and
// the sound switch AlarmSound, kept in the file "\Alarm".
#pragma once

#include <vector>

#include "app/line_merge.h"
#include "app/shared_values.h"
#include "platform/file_system.h"
#include "platform/types.h"

namespace alarms {

// Reads "\Alarm" into the values, skipping what cannot be read. A missing file is written first
// from what the values hold, unless something else (a hidden file, a folder) has its name: that
// is never replaced.
void LoadAlarms(platform::FileSystem& files, app::SharedValues& values);

struct AlarmSave {
    platform::Status status;
    // The rows another copy of the file (a sync client's) changed to other times than this
    // computer did: 1..31 the days of the month, 32..38 Monday..Sunday.
    std::vector<int> clashedRows;
};

// Writes "\Alarm" from the values, replacing the old file only once the new one is whole. Rows
// another copy changed since the program last read or wrote the file are merged first, row by
// row: a row changed on one side keeps that change; a row changed on both keeps both texts, ours
// first, joined by " <> " (both sets of times ring), or ours alone when both do not fit into a
// day's 100 characters, with both texts in the conflict file of `today`. The sound switch keeps
// ours when both changed it. The merge goes into the values too.
AlarmSave SaveAlarms(platform::FileSystem& files, app::SharedValues& values, const platform::DateTime& today);

// The merge of the alarm file's 39 lines that SaveAlarms makes (`base` as last seen).
app::MergedLines MergeAlarmLines(const std::vector<std::string>& base, const std::vector<std::string>& ours,
                                 const std::vector<std::string>& theirs);

// Takes in the alarm file that another copy wrote since the program last read or wrote it, when
// the tables hold nothing unsaved (else the next save merges). True when the tables changed.
bool PickUpAlarms(platform::FileSystem& files, app::SharedValues& values);

}  // namespace alarms
