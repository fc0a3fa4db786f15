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

}  // namespace alarms
