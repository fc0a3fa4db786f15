#include "alarm/clock_fixture.h"

#include "app/datafiles.h"
#include "diary/day_tables.h"

namespace testing_support {

namespace {

constexpr int kRecurringDays[13] = {0, 31, 29, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};

std::string RecurringFile(const std::map<ClockTest::Date, std::string>& entries, const std::string& fill) {
    std::vector<std::string> lines;
    for (int m = 1; m <= 12; ++m) {
        for (int d = 1; d <= kRecurringDays[m]; ++d) {
            const auto it = entries.find({m, d});
            lines.push_back(it == entries.end() ? fill : it->second);
        }
    }
    return app::JoinLines(lines);
}

}  // namespace

void ClockTest::PutNames(const std::map<Date, std::string>& entries) {
    putFile("\\Names", RecurringFile(entries, " "));
}

void ClockTest::PutReminders(const std::map<Date, std::string>& entries) {
    putFile("\\Reminder", RecurringFile(entries, ""));
}

void ClockTest::PutYear(int year, const std::map<Date, std::string>& lines) {
    std::vector<std::string> cells;
    for (int m = 1; m <= 12; ++m) {
        for (int d = 1; d <= 31; ++d) {
            const auto it = lines.find({m, d});
            cells.push_back(it == lines.end() ? app::kEmptyDiaryCell : "#####" + it->second);
        }
    }
    putFile(app::YearFile(year), app::JoinLines(cells));
}

}  // namespace testing_support
