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

void LoadDayTables(Module& module) {
    module.Diary.Clear();
    module.Reminders.Clear();
    module.Names.Clear();
    auto& files = module.platform.files();
    const auto names = ReadLines(files, module.Path(kNamesFile));
    const auto reminders = ReadLines(files, module.Path(kReminderFile));
    std::size_t line = 0;
    for (int m = 1; m <= 12; ++m) {
        for (int d = 1; d <= kRecurringDaysInMonth[m]; ++d, ++line) {
            if (names && line < names->size()) module.Names(m, d) = (*names)[line];
            if (reminders && line < reminders->size()) module.Reminders(m, d) = (*reminders)[line];
        }
    }
}

void CheckLeapYear(Module& module) {
    const int year = module.CurYear;
    module.NotLeapYear = 1;
    if (year % 4 == 0) module.NotLeapYear = 0;
    if (year % 100 == 0) module.NotLeapYear = 1;
    if (year % 400 == 0) module.NotLeapYear = 0;
}

void LoadYear(Module& module) {
    for (int m = 1; m <= 12; ++m) {
        for (int d = 1; d <= kYearFileDaysPerMonth; ++d) module.Diary(m, d) = kEmptyDiaryCell;
    }
    CheckLeapYear(module);
    auto& files = module.platform.files();
    const std::string path = module.Path(YearFile(module.CurYear));
    if (FilePresent(files, path)) {
        if (const auto lines = ReadLines(files, path)) {
            std::size_t line = 0;
            for (int m = 1; m <= 12; ++m) {
                for (int d = 1; d <= kYearFileDaysPerMonth && line < lines->size(); ++d, ++line) {
                    module.Diary(m, d) = WholeCell((*lines)[line]);
                }
            }
        }
    }
    module.DaysInMonth[2] = static_cast<std::uint8_t>(29 - module.NotLeapYear);
}

std::vector<std::string> SaveDiary(Module& module) {
    std::vector<std::string> failures;
    auto& files = module.platform.files();
    if (module.DiaryDirty) {
        std::vector<std::string> lines;
        lines.reserve(12 * kYearFileDaysPerMonth);
        for (int m = 1; m <= 12; ++m) {
            for (int d = 1; d <= kYearFileDaysPerMonth; ++d) lines.push_back(module.Diary(m, d));
        }
        // The folder is made at start-up; one removed while the program runs is made again.
        // A folder that cannot be made fails the write below, which is reported.
        if (!AnythingAt(files, module.Path(kDiaryFolder))) {
            static_cast<void>(files.createFolder(module.Path(kDiaryFolder)));
        }
        const std::string path = module.Path(YearFile(module.CurYear));
        if (const auto status = WriteLines(files, path, lines)) {
            module.DiaryDirty = false;
        } else {
            failures.push_back(Failure(path, status));
        }
    }
    if (module.RemindersDirty) {
        std::vector<std::string> lines;
        for (int m = 1; m <= 12; ++m) {
            for (int d = 1; d <= kRecurringDaysInMonth[m]; ++d) lines.push_back(module.Reminders(m, d));
        }
        const std::string path = module.Path(kReminderFile);
        if (const auto status = WriteLines(files, path, lines)) {
            module.RemindersDirty = false;
        } else {
            failures.push_back(Failure(path, status));
        }
    }
    return failures;
}

}  // namespace app
