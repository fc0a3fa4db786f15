#include "app/backup_schedule.h"

#include "app/backup.h"
#include "app/main_window.h"
#include "notes/note_bin.h"

namespace app {

void BackupIfDue(Module& module) {
    const platform::DateTime now = module.platform.now();
    const std::string today = BackupFolderName(now);
    if (module.BackupDay == today) return;
    module.BackupDay = today;
    // A backup that cannot be made is only missing: nothing to tell the user at this moment.
    TakeDailyBackup(module.platform.files(), module.DataPath, now);
    notes::EmptyOldNotesFromBin(module.platform.files(), module.DataPath, now);
}

void BackupSoonAfterStart(Module& module) {
    platform::Timer& timer = module.Diar->form().addTimer("TBackup", kStartBackupDelay);
    timer.onTick = [&module, &timer] {
        timer.stop();
        BackupIfDue(module);
    };
    timer.start();
}

void SkipTodaysBackup(Module& module) {
    module.BackupDay = BackupFolderName(module.platform.now());
}

}  // namespace app
