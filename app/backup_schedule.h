// When the daily backup is taken: a moment after the program's start, once the message loop
// runs, and at the clock's first tick of a new date. Copying the files with their flushes takes
// long enough on a slow disk to hold up the tray icon and the first clicks, so the start leaves
// it to a one-shot timer of the main window. A run tries once a date, so a disk that refuses the
// copy is not asked again every 15 seconds; the next start tries again, since it finds no folder
// for today. A first run takes none: its data folder holds nothing to keep yet.
#pragma once

#include "app/module.h"

namespace app {

// How long after the start-up the start's backup waits, in milliseconds.
inline constexpr int kStartBackupDelay = 1000;

// Takes today's backup of the data folder unless this run has tried it today, and lets go of the
// notes that have lain in the bin for their 30 days. Silent.
void BackupIfDue(Module& module);

// Calls BackupIfDue once, kStartBackupDelay after the message loop starts (a timer of FrmDiar).
void BackupSoonAfterStart(Module& module);

// Leaves today without a backup in this run (a first run).
void SkipTodaysBackup(Module& module);

}  // namespace app
