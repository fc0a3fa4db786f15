#include "restore/daily_copy.h"

#include "app/data_file_names.h"
#include "app/datafiles.h"

namespace restore {

namespace {

// "\Reminder" holds February with 29 days, whatever the year.
constexpr int kRecurringDaysInMonth[13] = {0, 31, 29, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};

std::size_t YearFileLine(int month, int day) {
    return static_cast<std::size_t>((month - 1) * app::kYearFileDaysPerMonth + day - 1);
}

std::size_t ReminderLine(int month, int day) {
    std::size_t line = 0;
    for (int m = 1; m < month; ++m) line += static_cast<std::size_t>(kRecurringDaysInMonth[m]);
    return line + static_cast<std::size_t>(day - 1);
}

std::optional<std::string> LineOf(platform::FileSystem& files, const std::string& path, std::size_t line) {
    const auto lines = app::ReadLines(files, path);
    if (!lines) return std::nullopt;
    return line < lines->size() ? (*lines)[line] : std::string();
}

// A cell as the load makes it: an empty or damaged line gives whole code characters.
std::string AsCell(std::string line) {
    if (line.size() < app::kDiaryCodeLength) line.append(app::kDiaryCodeLength - line.size(), '#');
    return line;
}

}  // namespace

std::string CopyFolder(const std::string& dataPath, const std::string& copy) {
    return dataPath + app::kBackupFolder + "\\" + copy;
}

std::optional<std::string> CopyDayLine(platform::FileSystem& files, const std::string& dataPath,
                                       const std::string& copy, const platform::DateTime& date) {
    const auto line =
        LineOf(files, CopyFolder(dataPath, copy) + app::YearFile(date.year), YearFileLine(date.month, date.day));
    if (!line) return std::nullopt;
    return AsCell(*line);
}

std::optional<std::string> CopyReminder(platform::FileSystem& files, const std::string& dataPath,
                                        const std::string& copy, int month, int day) {
    return LineOf(files, CopyFolder(dataPath, copy) + app::kReminderFile, ReminderLine(month, day));
}

std::string CurrentDayLine(platform::FileSystem& files, const app::SharedValues& values,
                           const platform::DateTime& date) {
    if (date.year == values.CurYear) return values.Diary(date.month, date.day);
    const auto line = LineOf(files, values.Path(app::YearFile(date.year)), YearFileLine(date.month, date.day));
    return AsCell(line.value_or(std::string()));
}

std::vector<std::pair<int, std::string>> CopyNotes(platform::FileSystem& files, const std::string& dataPath,
                                                   const std::string& copy) {
    app::RecordFile database(files, CopyFolder(dataPath, copy) + app::kNotesFile);
    std::vector<std::pair<int, std::string>> notes;
    if (!database.Load()) return notes;
    for (int n = 1; n <= app::kNoteRecordCount; ++n) {
        std::string note = database.Read(n);
        if (!note.empty()) notes.emplace_back(n, std::move(note));
    }
    return notes;
}

app::SaveReport RestoreDayLine(platform::FileSystem& files, app::SharedValues& values, const platform::DateTime& date,
                               const std::string& cell, const platform::DateTime& today) {
    if (date.year == values.CurYear) {
        values.Diary(date.month, date.day) = cell;
        values.DiaryDirty = true;
        return app::SaveDiary(files, values, today);
    }
    // Another year: its own table, loaded and saved as navigation would, beside the shown one.
    app::SharedValues other;
    other.DataPath = values.DataPath;
    other.CurYear = date.year;
    other.LinesLastSeen = values.LinesLastSeen;
    app::LoadYear(files, other);
    other.Diary(date.month, date.day) = cell;
    other.DiaryDirty = true;
    app::SaveReport report = app::SaveDiary(files, other, today);
    const std::string path = values.Path(app::YearFile(date.year));
    if (other.LinesLastSeen.contains(path)) values.LinesLastSeen[path] = other.LinesLastSeen[path];
    return report;
}

app::SaveReport RestoreReminder(platform::FileSystem& files, app::SharedValues& values, int month, int day,
                                const std::string& note, const platform::DateTime& today) {
    values.Reminders(month, day) = note;
    values.RemindersDirty = true;
    return app::SaveDiary(files, values, today);
}

}  // namespace restore
