// The day tables of the calendar and their files: the diary lines of the year on screen
// (Diary), the notes that recur every year on a date (Reminders) and the name days (Names).
#pragma once

#include <string>
#include <vector>

#include "app/conflict_file.h"
#include "app/shared_values.h"
#include "platform/file_system.h"
#include "platform/types.h"

namespace app {

// Every diary cell starts with five code characters: weight ("B" bold), colour ("#", "R", "Y",
// "G", "B") and three unused "#". A day without a line is exactly this.
inline constexpr const char* kEmptyDiaryCell = "#####";
inline constexpr std::size_t kDiaryCodeLength = 5;

// Lines of a year file: every month has 31, impossible dates included.
inline constexpr int kYearFileDaysPerMonth = 31;

// The longest text the boxes take: a day line's DenLine (after the code) and the recurring-note
// editor SviatkyEd.
inline constexpr std::size_t kDiaryTextLength = 256;
inline constexpr std::size_t kReminderLength = 256;

// "\Diary\0100" ... "\Diary\9999".
std::string YearFile(int year);

// What a cell says. A cell that lost code characters in a damaged file reads as if they were "#".
std::string DiaryText(const std::string& cell);
bool DiaryBold(const std::string& cell);
platform::ColorRef DiaryColor(const std::string& cell);
// A day counts as having a diary line only when text follows the code.
bool HasDiaryLine(const std::string& cell);
// A name-day entry marked "*" is a holiday; the rest of the entry is the name-day text.
bool IsHoliday(const std::string& names);
std::string NameDayText(const std::string& names);

// Clears all three tables and reads "\Names" and "\Reminder" (366 lines each, February with 29
// days). What cannot be read stays empty.
void LoadDayTables(platform::FileSystem& files, SharedValues& values);

// NotLeapYear from CurYear.
void CheckLeapYear(SharedValues& values);

// Reads the year file of CurYear into Diary (a missing file gives an empty year) and sets the
// length of February for that year.
void LoadYear(platform::FileSystem& files, SharedValues& values);

// A day whose line this program and another copy of its file (a sync client's) both changed to
// different texts since the program last saw the file.
struct DayClash {
    std::string file;  // in the data folder: "Diary\2026", "Reminder"
    int month = 0;
    int day = 0;
    // Empty when the line holds both texts; else the path of the conflict file that holds the
    // other copy's text, which did not fit into the line beside ours.
    std::string conflictFile;
};

struct SaveReport {
    std::vector<std::string> failures;  // "path: reason", one per file that could not be written
    std::vector<DayClash> clashes;
};

// Writes the year file when Diary changed and "\Reminder" when Reminders changed. Each file is
// read first: lines another copy changed since LinesLastSeen are merged with the table's
// (MergeLines), the merge goes into the table as well as the file, and the texts too long to
// join go into ConflictFile(today) first. A flag is cleared only once its file has been written
// whole; a file that could not be written keeps its changes in memory for the next try.
SaveReport SaveDiary(platform::FileSystem& files, SharedValues& values, const platform::DateTime& today);

// Takes into the tables what another copy wrote to the shown year's file, "\Reminder" and "\Names" since
// the program last read or wrote them, merged with what is unsaved here, so that the calendar shows
// it. A file whose merge would clash is left to the next save, which keeps both texts and reports
// them. The dirty flags stay set where the tables still hold changes the files lack. True when a
// table changed.
bool PickUpOutsideChanges(platform::FileSystem& files, SharedValues& values);

}  // namespace app
