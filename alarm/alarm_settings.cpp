#include "alarm/alarm_settings.h"

#include "alarm/alarm_file.h"
#include "app/datafiles.h"

namespace alarms {

void LoadAlarms(platform::FileSystem& files, app::SharedValues& values) {
    const std::string path = values.Path(app::kAlarmFile);
    // The file is made here on a first run; the existence test counts a hidden file as missing,
    // but a hidden file holds the user's alarms all the same. Unwritten, the empty tables hold for
    // this run, and the dialog's OK names the file.
    if (!app::FilePresent(files, path) && !app::AnythingAt(files, path)) static_cast<void>(SaveAlarms(files, values));
    if (const auto lines = app::ReadLines(files, path)) {
        ApplyAlarmLines(*lines, values.AlarmSound, values.DayAlarms, values.WeekdayAlarms);
    }
}

platform::Status SaveAlarms(platform::FileSystem& files, const app::SharedValues& values) {
    return app::WriteLines(files, values.Path(app::kAlarmFile),
                           AlarmLines(values.AlarmSound, values.DayAlarms, values.WeekdayAlarms));
}

}  // namespace alarms
