#include "alarm/todays_entries.h"

#include "app/datafiles.h"
#include "diary/day_tables.h"

namespace alarms {

namespace {

// Another year is on screen: its lines were saved before it was left, so today's year file is
// up to date. A missing or short file has no line for the day.
std::string SavedDiaryCell(app::Module& module, const platform::DateTime& today) {
    auto& files = module.platform.files();
    const std::string path = module.Path(app::YearFile(today.year));
    if (!app::FilePresent(files, path)) return app::kEmptyDiaryCell;
    const auto lines = app::ReadLines(files, path);
    const auto index = static_cast<std::size_t>((today.month - 1) * app::kYearFileDaysPerMonth + today.day - 1);
    if (!lines || index >= lines->size()) return app::kEmptyDiaryCell;
    return (*lines)[index];
}

}  // namespace

TodaysEntries EntriesOf(app::Module& module, const platform::DateTime& today) {
    const std::string cell =
        today.year == module.CurYear ? module.Diary(today.month, today.day) : SavedDiaryCell(module, today);
    return {app::DiaryText(cell), module.Reminders(today.month, today.day),
            app::NameDayText(module.Names(today.month, today.day))};
}

TodaysAlarmTexts AlarmTextsOfDates::operator()(int year, int month, int day) {
    std::string cell = app::kEmptyDiaryCell;
    if (year == module_.CurYear) {
        cell = module_.Diary(month, day);
    } else {
        auto found = years_.find(year);
        if (found == years_.end()) {
            auto& files = module_.platform.files();
            const std::string path = module_.Path(app::YearFile(year));
            found =
                years_.emplace(year, app::FilePresent(files, path) ? app::ReadLines(files, path) : std::nullopt).first;
        }
        const auto index = static_cast<std::size_t>((month - 1) * app::kYearFileDaysPerMonth + day - 1);
        if (found->second && index < found->second->size()) cell = (*found->second)[index];
    }
    return {app::DiaryText(cell), module_.Reminders(month, day),
            module_.WeekdayAlarms[static_cast<std::size_t>(WeekdayAlarmRow(year, month, day))],
            module_.DayAlarms[static_cast<std::size_t>(day)]};
}

}  // namespace alarms
