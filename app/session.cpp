#include "app/session.h"

#include "alarm/alarm_clock.h"
#include "alarm/alarm_file.h"
#include "alarm/alarm_options.h"
#include "alarm/alarm_settings.h"
#include "app/datafiles.h"
#include "app/main_window.h"
#include "app/settings.h"
#include "diary/day_tables.h"
#include "notes/note_window.h"

namespace app {

SaveReport SaveBeforeEnd(Module& module) {
    SaveReport report = SaveDiary(module.platform.files(), module, module.platform.now());
    auto& failures = report.failures;
    if (auto save = alarms::SaveAlarms(module.platform.files(), module, module.platform.now()); !save.status)
        failures.push_back(module.Path(kAlarmFile) + ": " + save.status.error);
    if (auto status = alarms::SaveAlarmOptions(module.platform.files(), module); !status)
        failures.push_back(module.Path(kAlarmOptionsFile) + ": " + status.error);
    // Not the user's data: one that cannot be written only makes the next start look back further.
    alarms::SaveAlarmChecked(module);
    // Notes typed into in the last seconds have not saved themselves yet.
    for (const auto& note : module.Notes) {
        if (!note->SavePending()) continue;
        if (auto status = note->WriteRecord(); !status) {
            failures.push_back(module.Path(kNotesFile) + ": " + status.error);
        }
    }
    if (auto status = SaveSettings(module.platform.files(), module); !status)
        failures.push_back(module.Path(kSettingsFile) + ": " + status.error);
    return report;
}

void SaveBeforeSessionEnd(Module& module) {
    // A line being typed into is committed first, as the exit image does.
    if (module.Diar) module.Diar->ParkFocus();
    SaveBeforeEnd(module);
}

}  // namespace app
