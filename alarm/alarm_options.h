// The alarm clock's two small files of its own, beside "\Alarm" (whose 39 lines stay as they are):
// "\AlarmOptions", what the alarm dialog's boxes for missed alarms say, and "\AlarmChecked", the
// last minute the clock looked at, so that a new start knows what fell due while it was not running.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "app/shared_values.h"
#include "platform/file_system.h"

namespace alarms {

// "\AlarmOptions", three CR LF lines:
//   1  "Ring a late alarm": 1 on, 0 off
//   2  its number of minutes, 1 .. 60
//   3  "List missed alarms": 1 on, 0 off
// A missing file, or a line that says nothing usable, gives the defaults: both off, 10 minutes.
std::vector<std::string> AlarmOptionLines(const app::SharedValues& values);
void ApplyAlarmOptionLines(const std::vector<std::string>& lines, app::SharedValues& values);

// Reads "\AlarmOptions" into the values; a missing file is not made (the defaults hold).
void LoadAlarmOptions(platform::FileSystem& files, app::SharedValues& values);
// Writes "\AlarmOptions" when it would say something other than it does: the file of a user who
// never changed the options is never made, and an unchanged one is never rewritten.
platform::Status SaveAlarmOptions(platform::FileSystem& files, const app::SharedValues& values);

// "\AlarmChecked", one CR LF line: the last minute the alarm clock looked at, "yyyy-mm-dd hh:mm".
// nullopt when the file is missing or says anything else.
std::optional<long long> ReadCheckedMinute(platform::FileSystem& files, const app::SharedValues& values);
platform::Status WriteCheckedMinute(platform::FileSystem& files, const app::SharedValues& values, long long minute);

}  // namespace alarms
