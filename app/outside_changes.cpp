#include "app/outside_changes.h"

#include "alarm/alarm_dialog.h"
#include "alarm/alarm_settings.h"
#include "app/conflict_copies.h"
#include "app/main_window.h"
#include "app/settings.h"
#include "diary/day_tables.h"
#include "notes/note_sync.h"

namespace app {

namespace {

// The stamps of the files a look reads, in one text, so that one comparison tells whether any
// changed. A missing file has a stamp of its own.
std::string StampsOfDataFiles(Module& module) {
    auto& files = module.platform.files();
    std::string stamps;
    for (const std::string& name : {YearFile(module.CurYear), std::string(kReminderFile), std::string(kNamesFile),
                                    std::string(kAlarmFile), std::string(kSettingsFile), std::string(kNotesFile)}) {
        const auto stamp = files.stamp(module.Path(name));
        stamps += stamp ? std::to_string(stamp->size) + ":" + std::to_string(stamp->lastWrite) + ";" : "-;";
    }
    for (const auto& copy : FindConflictCopies(files, module)) stamps += copy + ";";
    return stamps;
}

}  // namespace

void PickUpOutsideChanges(Module& module) {
    auto& files = module.platform.files();
    MergeConflictCopies(files, module, module.platform.now());
    module.StampsAtLastLook = StampsOfDataFiles(module);
    if (module.Diar && !module.Diar->form().visible() && PickUpOutsideChanges(files, module)) {
        module.Diar->PaintTables();
    }
    if (!module.AlarmDialog || !module.AlarmDialog->Shown()) {
        if (alarms::PickUpAlarms(files, module) && module.AlarmDialog) module.AlarmDialog->ShowSound();
    }
    PickUpSettings(files, module);
    notes::PickUpArrivedNotes(module);
}

void LookForOutsideChanges(Module& module) {
    const auto now = module.platform.now();
    const long minute = ((now.year * 13L + now.month) * 32 + now.day) * 1440 + now.hour * 60 + now.minute;
    if (minute == module.MinuteOfLastLook) return;
    module.MinuteOfLastLook = minute;
    if (StampsOfDataFiles(module) != module.StampsAtLastLook) PickUpOutsideChanges(module);
}

}  // namespace app
