#include "app/conflict_copies.h"

#include <algorithm>
#include <cctype>
#include <optional>

#include "alarm/alarm_file.h"
#include "alarm/alarm_settings.h"
#include "app/checked_write.h"
#include "app/conflict_file.h"
#include "app/data_file_names.h"
#include "app/datafiles.h"
#include "app/line_merge.h"
#include "app/settings.h"
#include "diary/day_tables.h"

namespace app {

namespace {

constexpr std::size_t kRecurringLines = 366;
constexpr std::size_t kYearLines = 12 * kYearFileDaysPerMonth;
constexpr std::size_t kSettingsLines = 8;
constexpr const char* kSyncthingMark = ".sync-conflict-";

bool ComputerName(const std::string& text) {
    return !text.empty() && std::all_of(text.begin(), text.end(), [](char c) {
        return std::isalnum(static_cast<unsigned char>(c)) != 0 || c == '-' || c == '_';
    });
}

std::string Lowered(std::string text) {
    for (char& c : text) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return text;
}

// What the copies of one data file are merged by: the file's lines, the clash rule and where the
// left-out texts are named in the conflict file.
struct CopyKind {
    std::string dataFile;  // in the data folder, with its leading "\"
    enum class Merge { Lines, Alarm, Settings, Notes } merge = Merge::Lines;
    std::size_t lineCount = 0;
    LineShape shape;
};

std::vector<CopyKind> KindsOf(const std::string& folderName, const std::string& name) {
    std::vector<CopyKind> kinds;
    if (folderName == kDiaryFolder) {
        if (name.size() > 4 &&
            std::all_of(name.begin(), name.begin() + 4, [](char c) { return c >= '0' && c <= '9'; }) &&
            IsConflictCopyOf(name, name.substr(0, 4))) {
            kinds.push_back({std::string(kDiaryFolder) + "\\" + name.substr(0, 4),
                             CopyKind::Merge::Lines,
                             kYearLines,
                             {kDiaryCodeLength, kDiaryTextLength}});
        }
        return kinds;
    }
    const CopyKind all[] = {
        {kReminderFile, CopyKind::Merge::Lines, kRecurringLines, {0, kReminderLength}},
        {kNamesFile, CopyKind::Merge::Lines, kRecurringLines, {0, kReminderLength}},
        {kAlarmFile, CopyKind::Merge::Alarm, static_cast<std::size_t>(alarms::kAlarmLines), {}},
        {kSettingsFile, CopyKind::Merge::Settings, kSettingsLines, {}},
        {kNotesFile, CopyKind::Merge::Notes, 0, {}},
    };
    for (const auto& kind : all) {
        if (IsConflictCopyOf(name, kind.dataFile.substr(1))) kinds.push_back(kind);
    }
    return kinds;
}

std::vector<std::string> Padded(std::vector<std::string> lines, std::size_t count, const LineShape& shape) {
    if (lines.size() < count) lines.resize(count, std::string(shape.codeLength, '#'));
    return lines;
}

// The copy's lines taken into the file's: a line only one of them holds is kept, and two different
// lines both (nothing was seen by both, so nothing counts as removed).
MergedLines MergeLineCopy(const CopyKind& kind, const std::vector<std::string>& ours,
                          const std::vector<std::string>& theirs) {
    switch (kind.merge) {
        case CopyKind::Merge::Alarm:
            return alarms::MergeAlarmLines(std::vector<std::string>(kind.lineCount), ours, theirs);
        case CopyKind::Merge::Settings:
            return {MergeSettings(theirs, ours, theirs), {}};
        default:
            return MergeLines({}, ours, theirs, kind.shape);
    }
}

std::string ClashPlace(const CopyKind& kind, std::size_t line) {
    return kind.dataFile.substr(1) + ", line " + std::to_string(line + 1);
}

platform::Status MergeLinesOf(platform::FileSystem& files, SharedValues& values, const platform::DateTime& today,
                              const CopyKind& kind, const std::string& copyBytes) {
    const auto theirs = Padded(SplitLines(copyBytes), kind.lineCount, kind.shape);
    return WriteChecked(files, values.Path(kind.dataFile), [&](const FileFound& found, std::string& content) {
        if (found.present && !found.bytes) return platform::Status::failure("The file cannot be read.");
        const auto ours =
            Padded(found.bytes ? SplitLines(*found.bytes) : std::vector<std::string>{}, kind.lineCount, kind.shape);
        const MergedLines merged = MergeLineCopy(kind, ours, theirs);
        std::vector<ConflictEntry> entries;
        for (const auto& clash : merged.clashes) {
            if (clash.tooLong) entries.push_back({ClashPlace(kind, clash.line), clash.ours, clash.theirs});
        }
        if (auto status = AppendConflicts(files, values, today, entries); !status) return status;
        content = JoinLines(merged.lines);
        return platform::Status::success();
    });
}

// Each note of the copy that the file lacks goes into its own record when that is free, else into
// the free record with the highest number, else into the conflict file.
platform::Status MergeNotesOf(platform::FileSystem& files, SharedValues& values, const platform::DateTime& today,
                              const std::string& copyBytes) {
    return WriteChecked(files, values.Path(kNotesFile), [&](const FileFound& found, std::string& content) {
        if (found.present && !found.bytes) return platform::Status::failure("The file cannot be read.");
        content = found.bytes.value_or(RecordFile::EmptyDatabase(kNoteRecordCount));
        std::vector<std::string> homeless;
        for (int n = 1; n <= kNoteRecordCount; ++n) {
            const std::string theirs = RecordFile::RecordIn(copyBytes, n);
            const std::string ours = RecordFile::RecordIn(content, n);
            if (theirs.empty() || theirs == ours) continue;
            if (ours.empty()) {
                RecordFile::Put(content, n, std::string(kRecordTextLimit, ' '));
                RecordFile::Put(content, n, theirs);
            } else {
                homeless.push_back(theirs);
            }
        }
        std::vector<ConflictEntry> entries;
        for (const auto& note : homeless) {
            int free = 0;
            for (int n = 1; n <= kNoteRecordCount; ++n) {
                if (RecordFile::RecordIn(content, n).empty()) free = n;
            }
            if (free != 0) {
                RecordFile::Put(content, free, note);
            } else {
                entries.push_back({"Notes, a note of a conflict copy", "", note});
            }
        }
        return AppendConflicts(files, values, today, entries);
    });
}

// Moves the copy into "\Conflicts" under its own name, or its name and " (2)", " (3)", ... when
// that is taken.
platform::Status MoveAside(platform::FileSystem& files, const SharedValues& values, const std::string& path) {
    if (!AnythingAt(files, values.Path(kConflictFolder))) {
        static_cast<void>(files.createFolder(values.Path(kConflictFolder)));
    }
    const std::string name = path.substr(path.rfind('\\') + 1);
    for (int n = 1; n < 100; ++n) {
        const std::string target =
            values.Path(kConflictFolder) + "\\" + name + (n == 1 ? "" : " (" + std::to_string(n) + ")");
        if (!AnythingAt(files, target)) return files.moveReplacing(path, target);
    }
    return platform::Status::failure("No free name in the conflicts folder.");
}

}  // namespace

bool IsConflictCopyOf(const std::string& name, const std::string& dataName) {
    const auto dot = dataName.rfind('.');
    const std::string stem = dot == std::string::npos ? dataName : dataName.substr(0, dot);
    const std::string extension = dot == std::string::npos ? "" : dataName.substr(dot);
    if (name.size() <= dataName.size() || name.compare(0, stem.size(), stem) != 0 ||
        name.compare(name.size() - extension.size(), extension.size(), extension) != 0) {
        return false;
    }
    const std::string mark = name.substr(stem.size(), name.size() - stem.size() - extension.size());
    // "Notes (conflicted copy 2026-12-07)", "Notes (LAPTOP's conflicted copy 2026-12-07)"
    if (mark.size() > 3 && mark.rfind(" (", 0) == 0 && mark.back() == ')' &&
        Lowered(mark).find("conflicted copy") != std::string::npos) {
        return true;
    }
    // "Notes.sync-conflict-20261207-101500-ABC1234"
    if (mark.rfind(kSyncthingMark, 0) == 0) return ComputerName(mark.substr(std::string(kSyncthingMark).size()));
    // "Notes-LAPTOP"
    return mark.size() > 1 && mark[0] == '-' && ComputerName(mark.substr(1));
}

std::vector<std::string> FindConflictCopies(platform::FileSystem& files, const SharedValues& values) {
    std::vector<std::string> copies;
    for (const char* folder : {"", kDiaryFolder}) {
        const std::string path = values.Path(folder);
        for (const auto& name : files.listFiles(path)) {
            if (!KindsOf(folder, name).empty()) copies.push_back(path + "\\" + name);
        }
    }
    return copies;
}

void MergeConflictCopies(platform::FileSystem& files, SharedValues& values, const platform::DateTime& today) {
    for (const auto& path : FindConflictCopies(files, values)) {
        const bool inDiary = path.rfind(values.Path(kDiaryFolder) + "\\", 0) == 0;
        const std::string name = path.substr(path.rfind('\\') + 1);
        const auto bytes = files.readFile(path);
        if (!bytes) continue;
        const CopyKind kind = KindsOf(inDiary ? kDiaryFolder : "", name).front();
        const platform::Status status = kind.merge == CopyKind::Merge::Notes
                                            ? MergeNotesOf(files, values, today, *bytes)
                                            : MergeLinesOf(files, values, today, kind, *bytes);
        // A copy that cannot be moved aside now is merged again at the next look; its lines are in
        // the file already, so that only its clashing lines are added once more.
        if (status) static_cast<void>(MoveAside(files, values, path));
    }
}

}  // namespace app
