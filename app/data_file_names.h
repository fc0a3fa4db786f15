// The names of the data folder's files and folders, appended to its path ("\Notes").
#pragma once

#include <string>

namespace app {

// The data folder beside the program: its folder (a drive's root keeps its "\") and "NotesDat".
inline std::string DataFolder(std::string programFolder) {
    if (programFolder.empty() || programFolder.back() != '\\') programFolder += "\\";
    return programFolder + "NotesDat";
}

inline constexpr const char* kSettingsFile = "\\Notes.ini";
inline constexpr const char* kNotesFile = "\\Notes";
inline constexpr const char* kNamesFile = "\\Names";
inline constexpr const char* kReminderFile = "\\Reminder";
inline constexpr const char* kAlarmFile = "\\Alarm";
// The alarm dialog's options for missed alarms, and the last minute the alarm clock looked at.
inline constexpr const char* kAlarmOptionsFile = "\\AlarmOptions";
inline constexpr const char* kAlarmCheckedFile = "\\AlarmChecked";
inline constexpr const char* kDiaryFolder = "\\Diary";
inline constexpr const char* kBackupFolder = "\\Backup";
inline constexpr const char* kConflictFolder = "\\Conflicts";
// The daily copies' names in the order they were made, oldest first (see app/backup.h).
inline constexpr const char* kBackupsMadeFile = "\\BackupsMade";
// Removed notes, one file each (see notes/note_bin.h).
inline constexpr const char* kBinFolder = "\\Bin";

}  // namespace app
