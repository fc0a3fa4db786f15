#include "restore/whole_file.h"

#include <algorithm>
#include <cstdio>
#include <optional>

#include "app/checked_write.h"
#include "app/data_file_names.h"
#include "app/datafiles.h"
#include "diary/day_tables.h"
#include "platform/file_removal.h"
#include "restore/daily_copy.h"

namespace restore {

namespace {

constexpr const char* kBeforeRestore = " before restore";
// "yyyy-mm-dd hh-mm-ss"
constexpr std::size_t kStampLength = 19;
// Restores within one second take " 2" ... " 9" after the name.
constexpr int kNamesTried = 9;

bool StampShaped(const std::string& text) {
    static constexpr char kShape[] = "dddd-dd-dd dd-dd-dd";
    if (text.size() != kStampLength) return false;
    for (std::size_t i = 0; i < kStampLength; ++i) {
        const bool digit = text[i] >= '0' && text[i] <= '9';
        if (kShape[i] == 'd' ? !digit : text[i] != kShape[i]) return false;
    }
    return true;
}

// Makes a folder for the file as it is now; it never takes a name something already has.
std::optional<std::string> MakeKeepingFolder(platform::FileSystem& files, const std::string& dataPath,
                                             const platform::DateTime& now, const std::string& name,
                                             platform::Status& failure) {
    const std::string backups = dataPath + app::kBackupFolder;
    // There already after the first daily copy; a folder that cannot be made fails below.
    static_cast<void>(files.createFolder(backups));
    const std::string stem = backups + "\\" + BeforeRestoreFolderName(now);
    for (int n = 1; n <= kNamesTried; ++n) {
        const std::string folder = stem + (n == 1 ? "" : " " + std::to_string(n));
        if (files.entry(folder) != platform::EntryKind::None) continue;
        failure = files.createFolder(folder);
        if (!failure) return std::nullopt;
        if (name.starts_with(app::kDiaryFolder)) failure = files.createFolder(folder + app::kDiaryFolder);
        if (!failure) {
            static_cast<void>(platform::RemoveTree(files, folder));
            return std::nullopt;
        }
        return folder;
    }
    failure = platform::Status::failure("Every name for the folder of " + stem + " is taken.");
    return std::nullopt;
}

}  // namespace

std::string BeforeRestoreFolderName(const platform::DateTime& now) {
    char stamp[32] = {};
    std::snprintf(stamp, sizeof stamp, "%04d-%02d-%02d %02d-%02d-%02d", now.year, now.month, now.day, now.hour,
                  now.minute, now.second);
    return stamp + std::string(kBeforeRestore);
}

bool IsBeforeRestoreFolderName(const std::string& name) {
    const std::string named = std::string(kBeforeRestore);
    if (name.size() < kStampLength + named.size() || !StampShaped(name.substr(0, kStampLength))) return false;
    const std::string rest = name.substr(kStampLength);
    if (rest == named) return true;
    return rest.size() == named.size() + 2 && rest.starts_with(named + " ") && rest.back() >= '2' && rest.back() <= '9';
}

std::vector<std::string> BeforeRestoreCopiesNewestFirst(platform::FileSystem& files, const std::string& dataPath) {
    std::vector<std::string> copies;
    for (auto& name : files.listFolders(dataPath + app::kBackupFolder)) {
        if (IsBeforeRestoreFolderName(name)) copies.push_back(std::move(name));
    }
    std::sort(copies.rbegin(), copies.rend());
    return copies;
}

std::vector<std::string> WholeFilesIn(platform::FileSystem& files, const std::string& dataPath, const std::string& copy,
                                      int shownYear) {
    std::vector<std::string> found;
    for (const std::string& name :
         {app::YearFile(shownYear), std::string(app::kReminderFile), std::string(app::kNamesFile),
          std::string(app::kAlarmFile), std::string(app::kNotesFile), std::string(app::kSettingsFile)}) {
        if (app::FilePresent(files, CopyFolder(dataPath, copy) + name)) found.push_back(name);
    }
    return found;
}

WholeFileRestore RestoreWholeFile(platform::FileSystem& files, const std::string& dataPath, const std::string& copy,
                                  const std::string& name, const platform::DateTime& now) {
    std::string why;
    const std::string from = CopyFolder(dataPath, copy) + name;
    const auto bytes = files.readFile(from, &why);
    if (!bytes) return {platform::Status::failure(from + " could not be read: " + why), {}};
    const std::string path = dataPath + name;
    WholeFileRestore result;
    std::optional<std::string> kept;  // what the keeping folder holds
    result.status = app::WriteChecked(files, path, [&](const app::FileFound& found, std::string& content) {
        if (found.present && !found.bytes) {
            return platform::Status::failure(path + " could not be read, so what it holds could not be kept.");
        }
        if (found.bytes && found.bytes != kept) {
            platform::Status status = platform::Status::success();
            if (result.keptIn.empty()) {
                const auto folder = MakeKeepingFolder(files, dataPath, now, name, status);
                if (!folder) return platform::Status::failure("No folder to keep " + path + " in: " + status.error);
                result.keptIn = *folder;
                status = files.writeNewFile(result.keptIn + name, *found.bytes);
            } else {
                // The file changed while it was being replaced: the folder keeps what stood there last.
                status = app::ReplaceFile(files, result.keptIn + name, *found.bytes);
            }
            if (!status)
                return platform::Status::failure(path + " could not be kept in " + result.keptIn + ": " + status.error);
            kept = found.bytes;
        }
        content = *bytes;
        return platform::Status::success();
    });
    if (!result.status && !result.keptIn.empty()) {
        // Made by this restore, which did not happen: nothing in it to undo.
        static_cast<void>(platform::RemoveTree(files, result.keptIn));
        result.keptIn.clear();
    }
    return result;
}

}  // namespace restore
