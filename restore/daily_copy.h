// What a daily copy ("Backup\yyyy-mm-dd") holds, read for the restore window, and the restores of
// one day line and one recurring note. A restored line goes into the day table and is written by
// the calendar's own save (SaveDiary), which reads the file again and merges: a restore is one more
// change of the file, never a blind overwrite.
#pragma once

#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "app/shared_values.h"
#include "diary/day_tables.h"
#include "platform/file_system.h"
#include "platform/types.h"

namespace restore {

// The folder of the copy named `copy` ("2026-12-07").
std::string CopyFolder(const std::string& dataPath, const std::string& copy);

// The day's cell in the copy's year file; nullopt when the copy holds no file of that year.
std::optional<std::string> CopyDayLine(platform::FileSystem& files, const std::string& dataPath,
                                       const std::string& copy, const platform::DateTime& date);

// The date's recurring note in the copy's "Reminder"; nullopt when the copy has none.
std::optional<std::string> CopyReminder(platform::FileSystem& files, const std::string& dataPath,
                                        const std::string& copy, int month, int day);

// The day's cell as the data folder holds it now: the table for the shown year, else its file.
std::string CurrentDayLine(platform::FileSystem& files, const app::SharedValues& values,
                           const platform::DateTime& date);

// The notes of the copy's notes database: (record number, note string) of every used record.
std::vector<std::pair<int, std::string>> CopyNotes(platform::FileSystem& files, const std::string& dataPath,
                                                   const std::string& copy);

// Puts `cell` in as the day's line and saves it. The shown year's line goes into Diary; another
// year's is loaded, changed and saved on its own, leaving the shown year as it is.
app::SaveReport RestoreDayLine(platform::FileSystem& files, app::SharedValues& values, const platform::DateTime& date,
                               const std::string& cell, const platform::DateTime& today);

// Puts `note` in as the date's recurring note and saves it.
app::SaveReport RestoreReminder(platform::FileSystem& files, app::SharedValues& values, int month, int day,
                                const std::string& note, const platform::DateTime& today);

}  // namespace restore
