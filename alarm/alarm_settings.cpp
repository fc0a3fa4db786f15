#include "alarm/alarm_settings.h"

#include <limits>
#include <optional>

#include "alarm/alarm_file.h"
#include "app/checked_write.h"
#include "app/conflict_file.h"
#include "app/datafiles.h"
#include "app/line_merge.h"

namespace alarms {

namespace {

// The file's lines as the program reads them: 39, a missing line empty.
std::vector<std::string> WholeFile(std::vector<std::string> lines) {
    lines.resize(kAlarmLines);
    return lines;
}

std::vector<std::string> Slice(const std::vector<std::string>& lines, std::size_t first, std::size_t count) {
    return {lines.begin() + static_cast<std::ptrdiff_t>(first),
            lines.begin() + static_cast<std::ptrdiff_t>(first + count)};
}

// Merges the rows of one column, whose texts have the same limit, into `merged` at `first`.
void MergeColumn(const std::vector<std::string>& base, const std::vector<std::string>& ours,
                 const std::vector<std::string>& theirs, std::size_t first, std::size_t count, std::size_t limit,
                 app::MergedLines& merged) {
    app::MergedLines column =
        app::MergeLines(Slice(base, first, count), Slice(ours, first, count), Slice(theirs, first, count), {0, limit});
    for (std::size_t i = 0; i < count; ++i) merged.lines[first + i] = std::move(column.lines[i]);
    for (auto& clash : column.clashes) {
        clash.line += first;
        merged.clashes.push_back(std::move(clash));
    }
}

std::vector<app::ConflictEntry> ConflictEntries(const std::vector<app::LineClash>& clashes) {
    std::vector<app::ConflictEntry> entries;
    for (const auto& clash : clashes) {
        if (clash.tooLong) {
            entries.push_back({"Alarm, day " + std::to_string(clash.line), clash.ours, clash.theirs});
        }
    }
    return entries;
}

}  // namespace

app::MergedLines MergeAlarmLines(const std::vector<std::string>& base, const std::vector<std::string>& ours,
                                 const std::vector<std::string>& theirs) {
    app::MergedLines merged{ours, {}};
    // A switch has no two values to keep: only a change made on the other computer alone is taken.
    if (ours[0] == base[0]) merged.lines[0] = theirs[0];
    MergeColumn(base, ours, theirs, 1, kMonthDays, kDayAlarmLimit, merged);
    MergeColumn(base, ours, theirs, 1 + kMonthDays, kWeekdays, std::numeric_limits<std::size_t>::max(), merged);
    return merged;
}

void LoadAlarms(platform::FileSystem& files, app::SharedValues& values) {
    const std::string path = values.Path(app::kAlarmFile);
    // The file is made here on a first run; the existence test counts a hidden file as missing,
    // but a hidden file holds the user's alarms all the same. Unwritten, the empty tables hold for
    // this run, and the dialog's OK names the file.
    if (!app::FilePresent(files, path) && !app::AnythingAt(files, path)) {
        static_cast<void>(
            app::WriteLines(files, path, AlarmLines(values.AlarmSound, values.DayAlarms, values.WeekdayAlarms)));
    }
    if (const auto lines = app::ReadLines(files, path)) {
        ApplyAlarmLines(*lines, values.AlarmSound, values.DayAlarms, values.WeekdayAlarms);
        values.LinesLastSeen[path] = WholeFile(*lines);
    }
}

AlarmSave SaveAlarms(platform::FileSystem& files, app::SharedValues& values, const platform::DateTime& today) {
    const std::string path = values.Path(app::kAlarmFile);
    const std::vector<std::string> ours = AlarmLines(values.AlarmSound, values.DayAlarms, values.WeekdayAlarms);
    const auto seen = values.LinesLastSeen.find(path);
    app::MergedLines merged;
    AlarmSave save{platform::Status::success(), {}};
    save.status = app::WriteChecked(files, path, [&](const app::FileFound& found, std::string& content) {
        merged = {ours, {}};
        // A file cut short is damaged, not cleared on the other computer: it is written over.
        if (seen != values.LinesLastSeen.end() && found.bytes) {
            const auto theirs = app::SplitLines(*found.bytes);
            if (theirs.size() >= ours.size() && WholeFile(theirs) != seen->second) {
                merged = MergeAlarmLines(seen->second, ours, WholeFile(theirs));
            }
        }
        if (auto status = app::AppendConflicts(files, values, today, ConflictEntries(merged.clashes)); !status) {
            return status;
        }
        content = app::JoinLines(merged.lines);
        return platform::Status::success();
    });
    if (!save.status) return save;
    ApplyAlarmLines(merged.lines, values.AlarmSound, values.DayAlarms, values.WeekdayAlarms);
    values.LinesLastSeen[path] = merged.lines;
    for (const auto& clash : merged.clashes) save.clashedRows.push_back(static_cast<int>(clash.line));
    return save;
}

bool PickUpAlarms(platform::FileSystem& files, app::SharedValues& values) {
    const std::string path = values.Path(app::kAlarmFile);
    const auto seen = values.LinesLastSeen.find(path);
    if (seen == values.LinesLastSeen.end()) return false;
    if (AlarmLines(values.AlarmSound, values.DayAlarms, values.WeekdayAlarms) != seen->second) return false;
    const auto lines = app::ReadLines(files, path);
    if (!lines || lines->size() < static_cast<std::size_t>(kAlarmLines) || WholeFile(*lines) == seen->second) {
        return false;
    }
    ApplyAlarmLines(*lines, values.AlarmSound, values.DayAlarms, values.WeekdayAlarms);
    seen->second = WholeFile(*lines);
    return true;
}

}  // namespace alarms
