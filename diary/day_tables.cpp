#include "diary/day_tables.h"

#include <cstdio>

#include "app/datafiles.h"

namespace app {

namespace {

// "\Names" and "\Reminder" always hold February with 29 days, whatever year is shown.
constexpr int kRecurringDaysInMonth[13] = {0, 31, 29, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};

char CodeAt(const std::string& cell, std::size_t position) {
    return position < cell.size() && position < kDiaryCodeLength ? cell[position] : '#';
}

// A year file damaged by hand or by a disk fault may hold a line shorter than the code; it is
// filled up with "#" so that every later reader finds a whole code (an empty line reads as an
// empty day).
std::string WholeCell(std::string line) {
    if (line.size() < kDiaryCodeLength) line.append(kDiaryCodeLength - line.size(), '#');
    return line;
}

std::string Failure(const std::string& path, const platform::Status& status) {
    return path + ": " + status.error;
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
}

void CheckLeapYear(SharedValues& values) {
    const int year = values.CurYear;
    values.NotLeapYear = 1;
    if (year % 4 == 0) values.NotLeapYear = 0;
    if (year % 100 == 0) values.NotLeapYear = 1;
    if (year % 400 == 0) values.NotLeapYear = 0;
}

void LoadYear(FileSystem& files, SharedValues& values) {
    for (int m = 1; m <= 12; ++m) {
        for (int d = 1; d <= kYearFileDaysPerMonth; ++d) values.Diary(m, d) = kEmptyDiaryCell;
    }
    CheckLeapYear(values);
    const std::string path = values.Path(YearFile(values.CurYear));
    if (FilePresent(files, path)) {
        if (const auto lines = ReadLines(files, path)) {
            std::size_t line = 0;
            for (int m = 1; m <= 12; ++m) {
                for (int d = 1; d <= kYearFileDaysPerMonth && line < lines->size(); ++d, ++line) {
                    values.Diary(m, d) = WholeCell((*lines)[line]);
                }
            }
        }
    }
    values.DaysInMonth[2] = static_cast<std::uint8_t>(29 - values.NotLeapYear);
}

std::vector<std::string> SaveDiary(FileSystem& files, SharedValues& values) {
    std::vector<std::string> failures;
    if (values.DiaryDirty) {
        std::vector<std::string> lines;
        lines.reserve(12 * kYearFileDaysPerMonth);
        for (int m = 1; m <= 12; ++m) {
            for (int d = 1; d <= kYearFileDaysPerMonth; ++d) lines.push_back(values.Diary(m, d));
        }
        // The folder is made at start-up; one removed while the program runs is made again.
        if (!AnythingAt(files, values.Path(kDiaryFolder))) files.createFolder(values.Path(kDiaryFolder));
        const std::string path = values.Path(YearFile(values.CurYear));
        if (const auto status = WriteLines(files, path, lines)) {
            values.DiaryDirty = false;
        } else {
            failures.push_back(Failure(path, status));
        }
    }
    if (values.RemindersDirty) {
        std::vector<std::string> lines;
        for (int m = 1; m <= 12; ++m) {
            for (int d = 1; d <= kRecurringDaysInMonth[m]; ++d) lines.push_back(values.Reminders(m, d));
        }
        const std::string path = values.Path(kReminderFile);
        if (const auto status = WriteLines(files, path, lines)) {
            values.RemindersDirty = false;
        } else {
            failures.push_back(Failure(path, status));
        }
    }
    return failures;
}

}  // namespace app
