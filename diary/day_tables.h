// The day tables of the calendar and their files: the diary lines of the year on screen
// (Diary), the notes that recur every year on a date (Reminders) and the name days (Names).
#pragma once

#include <string>
#include <vector>

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

// Writes the year file when Diary changed and "\Reminder" when Reminders changed. A flag is
// cleared only once its file has been written whole; one line per file that could not be
// written ("path: reason") is returned, and its changes stay in memory for the next try.
std::vector<std::string> SaveDiary(platform::FileSystem& files, SharedValues& values);

}  // namespace app
