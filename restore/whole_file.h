// A whole data file put back as a copy holds it. What the file holds now is kept first in a
// folder of its own, "Backup\yyyy-mm-dd hh-mm-ss before restore", under the same name as in a
// daily copy ("\Diary\2026", "\Notes"), so that restoring from that folder undoes the restore. The
// daily copies' keeping rule removes only folders named as a day, so these folders stay.
#pragma once

#include <string>
#include <vector>

#include "platform/file_system.h"
#include "platform/types.h"

namespace restore {

// "2026-12-08 09-05-30 before restore": the folder a restore at `now` keeps the file in.
std::string BeforeRestoreFolderName(const platform::DateTime& now);

// True for a name BeforeRestoreFolderName gives, also with " 2" ... " 9" after it (restores in the
// same second).
bool IsBeforeRestoreFolderName(const std::string& name);

// The folders of "Backup" kept before a restore, the newest first.
std::vector<std::string> BeforeRestoreCopiesNewestFirst(platform::FileSystem& files, const std::string& dataPath);

// The data files a copy holds that a whole-file restore puts back ("\Diary\2026" for `shownYear`,
// "\Reminder", "\Names", "\Alarm", "\Notes", "\Notes.ini"), in that order.
std::vector<std::string> WholeFilesIn(platform::FileSystem& files, const std::string& dataPath, const std::string& copy,
                                      int shownYear);

// What a whole-file restore did: the folder that keeps the file as it was (empty when there was no
// file to keep), or why nothing was restored.
struct WholeFileRestore {
    platform::Status status;
    std::string keptIn;
};

// Puts the copy's file `name` in place of the data file, through WriteChecked. The file as it
// stands just before it is replaced is kept first (see above); when it cannot be kept, the data
// file stays as it is.
WholeFileRestore RestoreWholeFile(platform::FileSystem& files, const std::string& dataPath, const std::string& copy,
                                  const std::string& name, const platform::DateTime& now);

}  // namespace restore
