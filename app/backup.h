// Daily backups of the data folder. A day's backup is a folder "Backup\yyyy-mm-dd" inside the data
// folder holding copies of the data files under their own names (the year files in its "Diary").
// It is written under a scratch name and takes its dated name only when every file is in, so a
// dated folder is always complete.
//
// Which copies are kept goes by the order in which they were made, never by their dates: a clock
// that ran ahead and was put right makes dates lie, and with them the file times, so the program
// records the order itself, in the data folder's "BackupsMade" (one folder name a line, oldest
// first). The seven copies made last are kept, and so are the seven made last among those dated
// today or earlier, so a copy dated later than today never pushes a real day's copy out; it goes
// once seven copies have been made after it.
#pragma once

#include <string>
#include <vector>

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

// The names of the dated folders in "Backup", the one made last first. Folders the record does
// not name count as made before the recorded ones, in the order of their dates.
std::vector<std::string> BackupsNewestFirst(platform::FileSystem& files, const std::string& dataPath);

// The keeping rule: whether the copy `name` stays, given `today`'s folder name and the names of
// the copies made after it that stay (newest first).
bool KeepsBackup(const std::string& name, const std::string& today, const std::vector<std::string>& newerKept);

// Copies the data files of `dataPath` into the backup folder of `today` unless it exists, then
// removes the copies the keeping rule lets go and records the order of making. The data files are only read. A
// file holding the day's name is kept beside it as "yyyy-mm-dd.aside"; a link holding it, or the
// name of a scratch folder, is removed as itself or passed by, and never followed.
BackupResult TakeDailyBackup(platform::FileSystem& files, const std::string& dataPath, const platform::DateTime& today);

}  // namespace app
