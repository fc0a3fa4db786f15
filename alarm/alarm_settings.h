// Loading and saving the alarm settings that Module holds: DayAlarms, WeekdayAlarms and the
// sound switch AlarmSound, kept in the file "\Alarm".
#pragma once

#include "app/module.h"
#include "platform/file_system.h"

namespace alarms {

// Reads "\Alarm" into Module and shows the sound switch on the dialog, skipping what cannot be
// read. A missing file is written first from what Module holds, unless something else (a hidden
// file, a folder) has its name: that is never replaced.
void LoadAlarms(app::Module& module);

// Writes "\Alarm" from Module, replacing the old file only once the new one is whole.
platform::Status SaveAlarms(app::Module& module);

}  // namespace alarms
