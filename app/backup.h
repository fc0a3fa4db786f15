// Daily backups of the data folder. A day's backup is a folder "Backup\yyyy-mm-dd" inside the data
// folder holding copies of the data files under their own names (the year files in its "Diary").
// It is written under a scratch name and takes its dated name only when every file is in, so a
// dated folder is always complete; the seven most recent are kept.
#pragma once

#include <string>

#include "platform/file_system.h"
#include "platform/types.h"

namespace app {

inline constexpr int kBackupsKept = 7;

enum class BackupResult {
    Made,          // today's folder was written whole
    AlreadyThere,  // today's folder exists; nothing was written
    Failed,        // a data file could not be read or the copy not written; no dated folder made
};

// "yyyy-mm-dd": the name of the backup folder of that day.
std::string BackupFolderName(const platform::DateTime& day);

// True for a name that BackupFolderName gives for some date; other folders are never removed.
bool IsBackupFolderName(const std::string& name);

// Copies the data files of `dataPath` into the backup folder of `today` unless it exists, then
// removes the dated folders older than the seven most recent. The data files are only read. A
// file holding the day's name is kept beside it as "yyyy-mm-dd.aside"; a link holding it, or the
// name of a scratch folder, is removed as itself or passed by, and never followed.
BackupResult TakeDailyBackup(platform::FileSystem& files, const std::string& dataPath, const platform::DateTime& today);

}  // namespace app
