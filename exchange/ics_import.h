// What an iCalendar file adds to the calendar, planned before anything is written, and the one save
// that writes it. A single event becomes the diary line of its date (a timed one's "[h:mm]" first),
// an event repeated every year on its date the recurring note of that date. A day that already
// holds a text keeps it: the new text is added after it, never over it, and a text the line
// already holds is not added again, so that importing a file twice adds nothing the second time.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "app/shared_values.h"
#include "diary/day_tables.h"
#include "exchange/ics_reader.h"
#include "platform/file_system.h"
#include "platform/types.h"

namespace exchange {

// Between a text a day already holds and one the import adds to it.
inline constexpr const char* kAddedTextJoin = " <> ";

// The change of one diary line or one recurring note.
struct PlannedChange {
    bool note = false;  // else a diary line
    int year = 0;       // of a diary line
    int month = 0;
    int day = 0;
    std::string before;              // the cell (format code and text) or the note as it is now
    std::string after;               // as the import leaves it
    std::vector<std::string> texts;  // the texts added, in the code page, in order
    std::string code;                // a new line's format code, when the event gave one
    bool clash() const;              // the day held a text before
};

struct ImportPlan {
    std::vector<PlannedChange> changes;   // by date: the diary lines of each year, then the notes
    int added = 0;                        // texts the changes add
    int alreadyThere = 0;                 // texts the line or note already holds
    std::vector<std::string> notFitting;  // "7.12.2026: text": longer than the line takes, left out
    int outsideYears = 0;                 // dated before 100 or after 9999
    int otherRepeats = 0;                 // repeated otherwise than once a year on one date
    int cancelled = 0;
    int withoutText = 0;
    int unreadable = 0;  // events without a start the calendar can read
    int replaced = 0;    // characters written as "?": the code page has no byte for them
};

// The diary cells of a year as they stand now (the shown year's table, or its file).
using CellsOfYear = std::function<app::DayTable(int year)>;

ImportPlan PlanImport(const ReadEvents& read, const CellsOfYear& cellsOf, const app::DayTable& reminders);

// The cells of a year for PlanImport: the shown year from the table, another from its file.
app::DayTable CellsOf(platform::FileSystem& files, const app::SharedValues& values, int year);

// Writes the plan with SaveDiary: the lines of the shown year and the notes into the tables and
// their files, another year's lines into its own file. Each text is added to the line or note as
// it stands at the save, by the same rule as the plan, so that nothing another copy wrote in the
// meantime is written over.
app::SaveReport ApplyImport(platform::FileSystem& files, app::SharedValues& values, const ImportPlan& plan,
                            const platform::DateTime& today);

// What the preview shows: the counts, then each change (new, or added after the text there).
std::vector<std::string> PreviewLines(const ImportPlan& plan);

}  // namespace exchange
