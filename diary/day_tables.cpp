#include "diary/day_tables.h"

#include <cstdio>
#include <optional>
#include <utility>

#include "app/checked_write.h"
#include "app/conflict_file.h"
#include "app/datafiles.h"
#include "app/line_merge.h"
#include "diary/calendar.h"

namespace app {

namespace {

// "\Names" and "\Reminder" always hold February with 29 days, whatever year is shown.
constexpr int kRecurringDaysInMonth[13] = {0, 31, 29, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};

char CodeAt(const std::string& cell, std::size_t position) {
    return position < cell.size() && position < kDiaryCodeLength ? cell[position] : '#';
}

std::string Failure(const std::string& path, const platform::Status& status) {
    return path + ": " + status.error;
}

// The cells a file's lines give, as the load makes them: `count` of them; missing lines are empty
// days. A year file damaged by hand or by a disk fault may hold a line shorter than the code; it
// is filled up with "#" so that every later reader finds a whole code (an empty line reads as an
// empty day).
std::vector<std::string> Cells(const std::vector<std::string>& lines, std::size_t count, std::size_t codeLength) {
    std::vector<std::string> cells(count, std::string(codeLength, '#'));
    for (std::size_t i = 0; i < count && i < lines.size(); ++i) {
        cells[i] = lines[i];
        if (cells[i].size() < codeLength) cells[i].append(codeLength - cells[i].size(), '#');
    }
    return cells;
}

// The cells of another copy's file, or nothing when it holds fewer lines than its format has: a
// file cut short (a sync client's half-written copy, a damaged disk) would otherwise read as days
// cleared on the other computer and empty them here too.
std::optional<std::vector<std::string>> WholeCells(const std::string& bytes, std::size_t count,
                                                   std::size_t codeLength) {
    const auto lines = SplitLines(bytes);
    if (lines.size() < count) return std::nullopt;
    return Cells(lines, count, codeLength);
}

// One of the files SaveDiary writes from a day table, with the date of each of its lines.
struct TableFile {
    DayTable& table;
    std::string name;  // in the data folder, with its leading "\"
    std::vector<std::pair<int, int>> dates;
    LineShape shape;

    std::vector<std::string> Lines() const {
        std::vector<std::string> lines;
        lines.reserve(dates.size());
        for (const auto& [m, d] : dates) lines.push_back(table(m, d));
        return lines;
    }
};

std::vector<std::pair<int, int>> YearDates() {
    std::vector<std::pair<int, int>> dates;
    for (int m = 1; m <= 12; ++m) {
        for (int d = 1; d <= kYearFileDaysPerMonth; ++d) dates.emplace_back(m, d);
    }
    return dates;
}

std::vector<std::pair<int, int>> RecurringDates() {
    std::vector<std::pair<int, int>> dates;
    for (int m = 1; m <= 12; ++m) {
        for (int d = 1; d <= kRecurringDaysInMonth[m]; ++d) dates.emplace_back(m, d);
    }
    return dates;
}

// The clashes that did not fit into their lines, as entries of the conflict file.
std::vector<ConflictEntry> ConflictEntries(const TableFile& file, const std::vector<LineClash>& clashes) {
    std::vector<ConflictEntry> entries;
    for (const auto& clash : clashes) {
        if (!clash.tooLong) continue;
        const auto& [m, d] = file.dates[clash.line];
        const auto text = [&](const std::string& line) { return line.substr(file.shape.codeLength); };
        entries.push_back({file.name.substr(1) + " " + DayMonth(m, d), text(clash.ours), text(clash.theirs)});
    }
    return entries;
}

// Writes a table's file. Lines that another copy changed since the program last saw the file are
// merged first, and the merge goes into the table too. Without what it saw, or with a file there
// that cannot be read now, nobody can tell whose a change is: its own lines are written as they
// are. The texts a clash leaves out of the line are in the conflict file before the data file
// changes, so that no failure between the two loses them. Returns the failure, if any.
std::optional<std::string> SaveTable(FileSystem& files, SharedValues& values, const TableFile& file,
                                     const platform::DateTime& today, SaveReport& report) {
    const std::string path = values.Path(file.name);
    const std::vector<std::string> ours = file.Lines();
    const auto seen = values.LinesLastSeen.find(path);
    MergedLines merged;
    std::optional<std::string> conflictFailure;
    const Status status = WriteChecked(files, path, [&](const FileFound& found, std::string& content) {
        const bool mergeable = seen != values.LinesLastSeen.end() && (!found.present || found.bytes);
        merged = {ours, {}};
        if (mergeable && found.bytes) {
            if (const auto theirs = WholeCells(*found.bytes, ours.size(), file.shape.codeLength);
                theirs && *theirs != seen->second) {
                merged = MergeLines(seen->second, ours, *theirs, file.shape);
            }
        }
        if (Status appended = AppendConflicts(files, values, today, ConflictEntries(file, merged.clashes)); !appended) {
            conflictFailure = appended.error;
            return appended;
        }
        content = JoinLines(merged.lines);
        return Status::success();
    });
    if (conflictFailure) return conflictFailure;
    if (!status) return Failure(path, status);
    for (std::size_t i = 0; i < file.dates.size(); ++i) {
        file.table(file.dates[i].first, file.dates[i].second) = merged.lines[i];
    }
    values.LinesLastSeen[path] = std::move(merged.lines);
    for (const auto& clash : merged.clashes) {
        const auto& [m, d] = file.dates[clash.line];
        report.clashes.push_back(
            {file.name.substr(1), m, d, clash.tooLong ? values.Path(ConflictFile(today)) : std::string()});
    }
    return std::nullopt;
}

}  // namespace

std::string YearFile(int year) {
    char digits[8];
    std::snprintf(digits, sizeof digits, "%04d", year);
    return std::string(kDiaryFolder) + "\\" + digits;
}

std::string DiaryText(const std::string& cell) {
    return cell.size() > kDiaryCodeLength ? cell.substr(kDiaryCodeLength) : std::string();
}

bool DiaryBold(const std::string& cell) {
    return CodeAt(cell, 0) == 'B';
}

platform::ColorRef DiaryColor(const std::string& cell) {
    struct LineColor {
        char code;
        platform::ColorRef color;  // red in the low byte: 0x001020D0 is "&H001020D0"
    };
    static constexpr LineColor kColors[] = {{'R', 0x001020D0}, {'Y', 0x000090B0}, {'G', 0x00208000}, {'B', 0x00A04000}};
    constexpr platform::ColorRef kBlack = 0x00000000;
    const char code = CodeAt(cell, 1);
    for (const auto& entry : kColors) {
        if (entry.code == code) return entry.color;
    }
    // "#", and any character the program never writes, is black.
    return kBlack;
}

bool HasDiaryLine(const std::string& cell) {
    return cell.size() > kDiaryCodeLength;
}

bool IsHoliday(const std::string& names) {
    return !names.empty() && names[0] == '*';
}

std::string NameDayText(const std::string& names) {
    return names.size() > 1 ? names.substr(1) : std::string();
}

void LoadDayTables(FileSystem& files, SharedValues& values) {
    values.Diary.Clear();
    values.Reminders.Clear();
    values.Names.Clear();
    const auto names = ReadLines(files, values.Path(kNamesFile));
    const auto reminders = ReadLines(files, values.Path(kReminderFile));
    std::size_t line = 0;
    for (int m = 1; m <= 12; ++m) {
        for (int d = 1; d <= kRecurringDaysInMonth[m]; ++d, ++line) {
            if (names && line < names->size()) values.Names(m, d) = (*names)[line];
            if (reminders && line < reminders->size()) values.Reminders(m, d) = (*reminders)[line];
        }
    }
    values.LinesLastSeen[values.Path(kReminderFile)] = Cells(reminders.value_or(std::vector<std::string>{}), line, 0);
    values.LinesLastSeen[values.Path(kNamesFile)] = Cells(names.value_or(std::vector<std::string>{}), line, 0);
}

void CheckLeapYear(SharedValues& values) {
    const int year = values.CurYear;
    values.NotLeapYear = 1;
    if (year % 4 == 0) values.NotLeapYear = 0;
    if (year % 100 == 0) values.NotLeapYear = 1;
    if (year % 400 == 0) values.NotLeapYear = 0;
}

void LoadYear(FileSystem& files, SharedValues& values) {
    CheckLeapYear(values);
    const std::string path = values.Path(YearFile(values.CurYear));
    std::optional<std::vector<std::string>> lines;
    if (FilePresent(files, path)) lines = ReadLines(files, path);
    const auto dates = YearDates();
    auto cells = Cells(lines.value_or(std::vector<std::string>{}), dates.size(), kDiaryCodeLength);
    for (std::size_t i = 0; i < dates.size(); ++i) values.Diary(dates[i].first, dates[i].second) = cells[i];
    values.LinesLastSeen[path] = std::move(cells);
    values.DaysInMonth[2] = static_cast<std::uint8_t>(29 - values.NotLeapYear);
}

namespace {

// True when the table took the other copy's lines.
bool PickUp(FileSystem& files, SharedValues& values, const TableFile& file, bool& dirty) {
    const std::string path = values.Path(file.name);
    const auto seen = values.LinesLastSeen.find(path);
    if (seen == values.LinesLastSeen.end()) return false;
    const FileFound found = LookAt(files, path);
    if (!found.bytes) return false;  // removed or unreadable: the next save writes it from the table
    auto theirs = WholeCells(*found.bytes, file.dates.size(), file.shape.codeLength);
    if (!theirs || *theirs == seen->second) return false;
    const MergedLines merged = MergeLines(seen->second, file.Lines(), *theirs, file.shape);
    if (!merged.clashes.empty()) return false;
    for (std::size_t i = 0; i < file.dates.size(); ++i) {
        file.table(file.dates[i].first, file.dates[i].second) = merged.lines[i];
    }
    dirty = merged.lines != *theirs;
    seen->second = std::move(*theirs);
    return true;
}

}  // namespace

bool PickUpOutsideChanges(FileSystem& files, SharedValues& values) {
    const TableFile year{values.Diary, YearFile(values.CurYear), YearDates(), {kDiaryCodeLength, kDiaryTextLength}};
    const TableFile reminders{values.Reminders, kReminderFile, RecurringDates(), {0, kReminderLength}};
    // The program never writes the name days: the other copy's are taken whole.
    const TableFile names{values.Names, kNamesFile, RecurringDates(), {0, std::string::npos}};
    bool namesUnsaved = false;
    const bool yearChanged = PickUp(files, values, year, values.DiaryDirty);
    const bool remindersChanged = PickUp(files, values, reminders, values.RemindersDirty);
    const bool namesChanged = PickUp(files, values, names, namesUnsaved);
    return yearChanged || remindersChanged || namesChanged;
}

SaveReport SaveDiary(FileSystem& files, SharedValues& values, const platform::DateTime& today) {
    SaveReport report;
    if (values.DiaryDirty) {
        // The folder is made at start-up; one removed while the program runs is made again.
        // A folder that cannot be made fails the write below, which is reported.
        if (!AnythingAt(files, values.Path(kDiaryFolder))) {
            static_cast<void>(files.createFolder(values.Path(kDiaryFolder)));
        }
        const TableFile file{values.Diary, YearFile(values.CurYear), YearDates(), {kDiaryCodeLength, kDiaryTextLength}};
        if (auto failure = SaveTable(files, values, file, today, report)) {
            report.failures.push_back(std::move(*failure));
        } else {
            values.DiaryDirty = false;
        }
    }
    if (values.RemindersDirty) {
        const TableFile file{values.Reminders, kReminderFile, RecurringDates(), {0, kReminderLength}};
        if (auto failure = SaveTable(files, values, file, today, report)) {
            report.failures.push_back(std::move(*failure));
        } else {
            values.RemindersDirty = false;
        }
    }
    return report;
}

}  // namespace app
