#include "app/backup.h"

#include <algorithm>
#include <cstdio>
#include <functional>
#include <optional>
#include <utility>
#include <vector>

#include "alarm/alarm_file.h"
#include "app/datafiles.h"
#include "app/settings.h"

namespace app {

namespace {

using platform::EntryKind;

// A backup being written: its day's name with this suffix. Such a folder is never complete.
constexpr const char* kScratchSuffix = ".tmp";

// A data file to copy: its name below the data folder ("\Notes", "\Diary\2026") and its bytes.
struct DataFile {
    std::string name;
    std::string bytes;
};

bool AllDigits(const std::string& text) {
    return std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

bool IsYearFileName(const std::string& name) {
    return name.size() == 4 && AllDigits(name);
}

int DaysIn(int year, int month) {
    static constexpr int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    const bool leap = (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
    return month == 2 && leap ? 29 : kDays[month - 1];
}

bool IsScratchName(const std::string& name) {
    const std::string suffix = kScratchSuffix;
    return name.size() > suffix.size() && name.compare(name.size() - suffix.size(), suffix.size(), suffix) == 0 &&
           IsBackupFolderName(name.substr(0, name.size() - suffix.size()));
}

// The data files that are there, read whole; nullopt when one of them cannot be read.
std::optional<std::vector<DataFile>> ReadDataFiles(FileSystem& files, const std::string& dataPath) {
    std::vector<std::string> names{kSettingsFile, kNotesFile, kNamesFile, kReminderFile, alarms::kAlarmFile};
    std::vector<std::string> years = files.listFiles(dataPath + kDiaryFolder);
    std::sort(years.begin(), years.end());
    for (const auto& year : years) {
        if (IsYearFileName(year)) names.push_back(std::string(kDiaryFolder) + "\\" + year);
    }
    std::vector<DataFile> copies;
    for (const auto& name : names) {
        const EntryKind kind = files.entry(dataPath + name);
        if (kind != EntryKind::File && kind != EntryKind::HiddenFile) continue;  // nothing to keep
        auto bytes = files.readFile(dataPath + name);
        if (!bytes) return std::nullopt;
        copies.push_back({name, std::move(*bytes)});
    }
    return copies;
}

// Removes a folder with everything in it, as far as the disk lets it.
void RemoveTree(FileSystem& files, const std::string& folder) {
    for (const auto& name : files.listFiles(folder)) files.removeFile(folder + "\\" + name);
    for (const auto& name : files.listFolders(folder)) RemoveTree(files, folder + "\\" + name);
    files.removeFolder(folder);
}

Status WriteCopies(FileSystem& files, const std::string& folder, const std::vector<DataFile>& copies) {
    if (Status status = files.createFolder(folder); !status) return status;
    if (Status status = files.createFolder(folder + kDiaryFolder); !status) return status;
    for (const auto& copy : copies) {
        if (Status status = files.writeNewFile(folder + copy.name, copy.bytes); !status) return status;
    }
    return Status::success();
}

// What an interrupted backup left: partial by definition, since a whole one was renamed.
void RemoveScratchFolders(FileSystem& files, const std::string& backups) {
    for (const auto& name : files.listFolders(backups)) {
        if (IsScratchName(name)) RemoveTree(files, backups + "\\" + name);
    }
}

// Keeps the seven most recent dated folders. The one just made is kept even when a clock set
// back makes it older than those: it is the copy of the files as they are now.
void RemoveOldBackups(FileSystem& files, const std::string& backups, const std::string& today) {
    std::vector<std::string> dated;
    for (const auto& name : files.listFolders(backups)) {
        if (IsBackupFolderName(name)) dated.push_back(name);
    }
    std::sort(dated.begin(), dated.end(), std::greater<>());
    for (std::size_t i = kBackupsKept; i < dated.size(); ++i) {
        if (dated[i] == today) continue;
        // Out of the way under a scratch name first: a removal cut short never leaves a dated
        // folder that lacks some of its files, and the next backup finishes it.
        const std::string doomed = backups + "\\" + dated[i] + kScratchSuffix;
        if (files.renameFolder(backups + "\\" + dated[i], doomed)) RemoveTree(files, doomed);
    }
}

}  // namespace

std::string BackupFolderName(const platform::DateTime& day) {
    char name[16] = {};
    std::snprintf(name, sizeof name, "%04d-%02d-%02d", day.year, day.month, day.day);
    return name;
}

bool IsBackupFolderName(const std::string& name) {
    if (name.size() != 10 || name[4] != '-' || name[7] != '-') return false;
    const std::string year = name.substr(0, 4), month = name.substr(5, 2), day = name.substr(8, 2);
    if (!AllDigits(year) || !AllDigits(month) || !AllDigits(day)) return false;
    const int y = std::stoi(year), m = std::stoi(month), d = std::stoi(day);
    return y >= 1 && m >= 1 && m <= 12 && d >= 1 && d <= DaysIn(y, m);
}

BackupResult TakeDailyBackup(FileSystem& files, const std::string& dataPath, const platform::DateTime& today) {
    const std::string backups = dataPath + kBackupFolder;
    const std::string name = BackupFolderName(today);
    const std::string dated = backups + "\\" + name;
    if (files.entry(dated) != EntryKind::None) return BackupResult::AlreadyThere;

    const auto copies = ReadDataFiles(files, dataPath);
    if (!copies) return BackupResult::Failed;
    files.createFolder(backups);  // there already after the first backup
    RemoveScratchFolders(files, backups);
    const std::string scratch = dated + kScratchSuffix;
    if (!WriteCopies(files, scratch, *copies) || !files.renameFolder(scratch, dated)) {
        RemoveTree(files, scratch);
        return BackupResult::Failed;
    }
    RemoveOldBackups(files, backups, name);
    return BackupResult::Made;
}

}  // namespace app
