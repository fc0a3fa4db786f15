#include "alarm/alarm_settings.h"

#include "alarm/alarm_dialog.h"
#include "alarm/alarm_file.h"
#include "app/datafiles.h"

namespace alarms {

void LoadAlarms(app::Module& module) {
    auto& files = module.platform.files();
    const std::string path = module.Path(kAlarmFile);
    // The file is made here on a first run; the existence test counts a hidden file as missing,
    // but a hidden file holds the user's alarms all the same. Unwritten, the empty tables hold for
    // this run, and the dialog's OK names the file.
    if (!app::FilePresent(files, path) && !app::AnythingAt(files, path)) static_cast<void>(SaveAlarms(module));
    if (const auto lines = app::ReadLines(files, path)) {
        ApplyAlarmLines(*lines, module.AlarmSound, module.DayAlarms, module.WeekdayAlarms);
    }
    if (module.AlarmDialog) module.AlarmDialog->ShowSound();
}

platform::Status SaveAlarms(app::Module& module) {
    return app::WriteLines(module.platform.files(), module.Path(kAlarmFile),
                           AlarmLines(module.AlarmSound, module.DayAlarms, module.WeekdayAlarms));
}

}  // namespace alarms
