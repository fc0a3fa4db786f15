// When the daily backup is taken: at the program's start, once the tray icon is there, and at
// the clock's first tick of a new date. A run tries once a date, so a disk that refuses the copy
// is not asked again every 15 seconds; the next start tries again, since it finds no folder for
// today. A first run takes none: its data folder holds nothing to keep yet.
#pragma once

#include "app/module.h"

namespace app {

// Takes today's backup of the data folder unless this run has tried it today. Silent.
void BackupIfDue(Module& module);

// Leaves today without a backup in this run (a first run).
void SkipTodaysBackup(Module& module);

}  // namespace app
