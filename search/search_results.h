// One search over everything the program keeps: the diary lines of every year file in "\Diary"
// (the shown year from its table in memory, so lines typed but not yet saved count), the
// recurring notes, the name days, the monthly and weekly alarm times and the desktop notes'
// texts as their boxes hold them. A diary cell's format code is never searched: only its text.
#pragma once

#include <cstddef>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "app/shared_values.h"
#include "platform/file_system.h"
#include "search/search_match.h"

namespace search {

enum class HitKind { DiaryLine, RecurringNote, NameDay, Holiday, MonthlyAlarm, WeeklyAlarm, Note };

struct Hit {
    HitKind kind = HitKind::DiaryLine;
    int year = 0;   // diary lines only
    int month = 0;  // diary lines, recurring notes, name days
    int day = 0;    // the same, and a monthly alarm's day of the month (1..31)
    int row = 0;    // a weekly alarm's weekday (1 Monday .. 7 Sunday), a note's record number
    std::string text;
    Match match;
};

// A desktop note's record number and the text its box holds now.
struct NoteText {
    int record = 0;
    std::string text;
};

// The year files' lines, each read once and read again only when the file's stamp changed
// (another copy arrived, the program saved it), kept folded for the search.
class YearFiles {
public:
    // Brings the copies up to date with the folder "\Diary" of `dataPath`: new and changed files
    // read, files gone dropped. Names that are not a year (four digits, 0100 to 9999) are passed by.
    void Refresh(platform::FileSystem& files, const std::string& dataPath);

    struct Year {
        std::optional<platform::FileStamp> stamp;
        std::vector<std::string> texts;   // a line's text without its code, by (month - 1) * 31 + day - 1
        std::vector<std::string> folded;  // the same, folded
    };
    const std::map<int, Year>& years() const { return years_; }
    // The years whose file could not be read, with the reason, at the last refresh.
    const std::vector<std::string>& unreadable() const { return unreadable_; }

private:
    std::map<int, Year> years_;
    std::vector<std::string> unreadable_;
};

struct Results {
    // Diary lines newest first, then recurring notes, name days and holidays (January to
    // December), monthly alarms (day 1 to 31), weekly alarms (Monday to Sunday) and notes (by
    // record number).
    std::vector<Hit> hits;
    // More diary lines matched than `diaryLimit`: the oldest were not looked at.
    bool cut = false;
};

// The search over the year files' copies (the shown year `values.CurYear` from `values.Diary`
// instead of its file), the tables and alarm texts of `values`, and `notes`. At most
// `diaryLimit` diary lines are listed: the years are gone through newest first and the search
// stops there, so that a short search text costs no more than a long one.
Results Find(const Query& query, const YearFiles& years, const app::SharedValues& values,
             const std::vector<NoteText>& notes, std::size_t diaryLimit);

// How a row names its kind: "diary line", "recurring note", "name day", "holiday", "monthly
// alarm", "weekly alarm", "note".
const char* KindName(HitKind kind);

}  // namespace search
