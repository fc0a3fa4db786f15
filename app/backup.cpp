#include "app/backup.h"

#include <algorithm>
#include <cstdio>
#include <functional>
#include <optional>
#include <utility>
#include <vector>

#include "app/datafiles.h"
#include "platform/file_removal.h"

namespace app {

namespace {

using platform::EntryKind;

// A backup being written: its day's name with this suffix. Such a folder is never complete.
constexpr const char* kScratchSuffix = ".tmp";
// A file that stood where a day's folder belongs is kept under its name with this suffix.
constexpr const char* kAsideSuffix = ".aside";
// How many names ("2026-12-07.tmp", "2026-12-07.2.tmp" ... "2026-12-07.9.tmp") a day's scratch
// folder may take: something that cannot be cleared away may hold the first.
constexpr int kNamesTried = 9;

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
    if (name.size() <= suffix.size() || name.compare(name.size() - suffix.size(), suffix.size(), suffix) != 0) {
        return false;
    }
    const std::string stem = name.substr(0, name.size() - suffix.size());
    if (IsBackupFolderName(stem)) return true;
    const std::size_t dated = stem.size() - 2;
    return stem.size() > 2 && stem[dated] == '.' && stem.back() >= '2' && stem.back() <= '9' &&
           IsBackupFolderName(stem.substr(0, dated));
}

// `stem` with `suffix`, or with ".2" ... ".9" before the suffix: the first that nothing has yet.
std::optional<std::string> FreeName(FileSystem& files, const std::string& stem, const std::string& suffix) {
    for (int n = 1; n <= kNamesTried; ++n) {
        const std::string path = stem + (n == 1 ? "" : "." + std::to_string(n)) + suffix;
        if (files.entry(path) == EntryKind::None) return path;
    }
    return std::nullopt;
}

// The data files that are there, read whole; nullopt when one of them cannot be read.
std::optional<std::vector<DataFile>> ReadDataFiles(FileSystem& files, const std::string& dataPath) {
    std::vector<std::string> names{kSettingsFile, kNotesFile, kNamesFile, kReminderFile, kAlarmFile, kAlarmOptionsFile};
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

// Removes a scratch folder as far as the disk lets it. Whatever stays keeps its scratch name
// and is tried again by the next backup, so what could not go needs no word here.
void RemoveScratch(FileSystem& files, const std::string& folder) {
    static_cast<void>(platform::RemoveTree(files, folder));
}

Status WriteCopies(FileSystem& files, const std::string& folder, const std::vector<DataFile>& copies) {
    if (Status status = files.createFolder(folder); !status) return status;
    if (Status status = files.createFolder(folder + kDiaryFolder); !status) return status;
    for (const auto& copy : copies) {
        if (Status status = files.writeNewFile(folder + copy.name, copy.bytes); !status) return status;
    }
    return Status::success();
}

// What an interrupted backup left: partial by definition, since a whole one was renamed. A link
// of such a name is removed as itself where the system allows it, and never followed; a file of
// such a name is not the program's and stays.
void RemoveScratchFolders(FileSystem& files, const std::string& backups) {
    for (const auto& entry : files.listEntries(backups)) {
        if (IsScratchName(entry.name) && (entry.kind == EntryKind::Folder || entry.kind == EntryKind::LinkedFolder)) {
            RemoveScratch(files, backups + "\\" + entry.name);
        }
    }
}

// Makes room for the day's folder where a file or a link holds its name: a file is kept under
// another name, a link is removed as itself. False when the name stays taken.
bool ClearTheWay(FileSystem& files, const std::string& dated) {
    const EntryKind kind = files.entry(dated);
    if (kind == EntryKind::File || kind == EntryKind::HiddenFile) {
        const auto aside = FreeName(files, dated, kAsideSuffix);
        return aside && files.moveReplacing(dated, *aside);
    }
    return kind == EntryKind::LinkedFolder && platform::RemoveTree(files, dated).empty();
}

// Removes one dated folder. Out of the way under a scratch name first: a removal cut short never
// leaves a dated folder that lacks some of its files, and the next backup finishes it.
void RemoveBackup(FileSystem& files, const std::string& folder) {
    const auto doomed = FreeName(files, folder, kScratchSuffix);
    if (doomed && files.renameFolder(folder, *doomed)) RemoveScratch(files, *doomed);
}

// Keeps the copies the keeping rule names, with the one just made as the newest, and records the
// order in which the kept ones were made.
void RemoveOldBackups(FileSystem& files, const std::string& dataPath, const std::string& today) {
    std::vector<std::string> order = BackupsNewestFirst(files, dataPath);
    std::erase(order, today);
    order.insert(order.begin(), today);  // the copy just made, whatever its date says
    std::vector<std::string> kept;
    for (const auto& name : order) {
        if (KeepsBackup(name, today, kept)) {
            kept.push_back(name);
        } else {
            RemoveBackup(files, dataPath + kBackupFolder + "\\" + name);
        }
    }
    std::reverse(kept.begin(), kept.end());
    // A record that cannot be written only leaves today's copy unrecorded: it then counts as made
    // before the recorded ones, and the worst it costs is that copy, a week from now.
    static_cast<void>(WriteLines(files, dataPath + kBackupsMadeFile, kept));
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

std::vector<std::string> BackupsNewestFirst(FileSystem& files, const std::string& dataPath) {
    std::vector<std::string> dated;
    for (const auto& name : files.listFolders(dataPath + kBackupFolder)) {
        if (IsBackupFolderName(name)) dated.push_back(name);
    }
    // Unrecorded copies (made before the record was kept, or when it could not be written) count
    // as made before every recorded one, in the order of their dates.
    std::sort(dated.begin(), dated.end());
    std::vector<std::string> made = ReadLines(files, dataPath + kBackupsMadeFile).value_or(std::vector<std::string>{});
    std::vector<std::string> order;
    for (const auto& name : dated) {
        if (std::find(made.begin(), made.end(), name) == made.end()) order.push_back(name);
    }
    for (const auto& name : made) {
        const bool there = std::find(dated.begin(), dated.end(), name) != dated.end();
        if (there && std::find(order.begin(), order.end(), name) == order.end()) order.push_back(name);
    }
    std::reverse(order.begin(), order.end());
    return order;
}

bool KeepsBackup(const std::string& name, const std::string& today, const std::vector<std::string>& newerKept) {
    if (newerKept.size() < static_cast<std::size_t>(kBackupsKept)) return true;
    if (name > today) return false;  // a date later than today never takes a real day's place
    const auto real =
        std::count_if(newerKept.begin(), newerKept.end(), [&](const auto& kept) { return kept <= today; });
    return real < kBackupsKept;
}

BackupResult TakeDailyBackup(FileSystem& files, const std::string& dataPath, const platform::DateTime& today) {
    const std::string backups = dataPath + kBackupFolder;
    const std::string name = BackupFolderName(today);
    const std::string dated = backups + "\\" + name;
    if (files.entry(dated) == EntryKind::Folder) return BackupResult::AlreadyThere;

    const auto copies = ReadDataFiles(files, dataPath);
    if (!copies) return BackupResult::Failed;
    // There already after the first backup; a folder that cannot be made fails the copy below.
    static_cast<void>(files.createFolder(backups));
    RemoveScratchFolders(files, backups);
    if (files.entry(dated) != EntryKind::None && !ClearTheWay(files, dated)) return BackupResult::Failed;
    const auto scratch = FreeName(files, dated, kScratchSuffix);
    if (!scratch) return BackupResult::Failed;
    if (!WriteCopies(files, *scratch, *copies) || !files.renameFolder(*scratch, dated)) {
        RemoveScratch(files, *scratch);
        return BackupResult::Failed;
    }
    RemoveOldBackups(files, dataPath, name);
    return BackupResult::Made;
}

}  // namespace app
