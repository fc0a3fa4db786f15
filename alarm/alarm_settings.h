// Loading and saving the alarm settings that the program shares: DayAlarms, WeekdayAlarms and
// the sound switch AlarmSound, kept in the file "\Alarm".
#pragma once

#include "app/shared_values.h"
#include "platform/file_system.h"

namespace alarms {

// Reads "\Alarm" into the values, skipping what cannot be read. A missing file is written first
// from what the values hold, unless something else (a hidden file, a folder) has its name: that
// is never replaced.
void LoadAlarms(platform::FileSystem& files, app::SharedValues& values);

// Writes "\Alarm" from the values, replacing the old file only once the new one is whole.
platform::Status SaveAlarms(platform::FileSystem& files, const app::SharedValues& values);

}  // namespace alarms
