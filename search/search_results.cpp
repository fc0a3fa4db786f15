#include "search/search_results.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <functional>
#include <set>

#include "alarm/alarm_file.h"
#include "app/data_file_names.h"
#include "app/datafiles.h"
#include "diary/day_tables.h"
#include "diary/year_range.h"

namespace search {

namespace {

constexpr int kYearFileLines = 12 * app::kYearFileDaysPerMonth;
// The recurring tables cover every date of any year: February with 29 days.
constexpr std::array<int, 13> kRecurringDays{0, 31, 29, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};

// The year a name in "\Diary" stands for, or 0.
int YearOfName(const std::string& name) {
    if (name.size() != 4) return 0;
    for (const char c : name) {
        if (std::isdigit(static_cast<unsigned char>(c)) == 0) return 0;
    }
    const int year = std::stoi(name);
    return year >= app::kFirstYear && year <= app::kLastYear ? year : 0;
}

bool LeapYear(int year) {
    return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
}

// The days a year file's month really has: its impossible dates are never shown, so never found.
int DaysOf(int year, int month) {
    if (month == 2) return LeapYear(year) ? 29 : 28;
    return kRecurringDays[static_cast<std::size_t>(month)];
}

std::size_t LineOf(int month, int day) {
    return static_cast<std::size_t>((month - 1) * app::kYearFileDaysPerMonth + day - 1);
}

YearFiles::Year ReadYear(const std::vector<std::string>& lines, std::optional<platform::FileStamp> stamp) {
    YearFiles::Year year;
    year.stamp = stamp;
    year.texts.resize(kYearFileLines);
    year.folded.resize(kYearFileLines);
    // A short file's missing lines are empty days; lines past the last day are not the year's.
    for (std::size_t i = 0; i < lines.size() && i < year.texts.size(); ++i) {
        year.texts[i] = app::DiaryText(lines[i]);
        year.folded[i] = Folded(year.texts[i]);
    }
    return year;
}

class Finder {
public:
    Finder(const Query& query, Results& results) : query_(query), results_(results) {}

    void Look(const std::string& text, const std::string& folded, Hit where) {
        Match match;
        if (!query_.Find(folded, match)) return;
        where.text = text;
        where.match = match;
        results_.hits.push_back(std::move(where));
    }
    void Look(const std::string& text, Hit where) { Look(text, Folded(text), std::move(where)); }

private:
    const Query& query_;
    Results& results_;
};

void FindInDiary(Finder& finder, const YearFiles& years, const app::SharedValues& values, std::size_t limit,
                 Results& results) {
    // The shown year's table stands for its file, whether the file exists or not.
    std::set<int, std::greater<>> newestFirst{values.CurYear};
    for (const auto& [year, lines] : years.years()) newestFirst.insert(year);
    for (const int year : newestFirst) {
        const auto file = years.years().find(year);
        for (int month = 12; month >= 1; --month) {
            for (int day = DaysOf(year, month); day >= 1; --day) {
                if (results.hits.size() >= limit) {
                    results.cut = true;
                    return;
                }
                const Hit where{HitKind::DiaryLine, year, month, day, 0, {}, {}};
                if (year == values.CurYear) {
                    finder.Look(app::DiaryText(values.Diary(month, day)), where);
                } else {
                    const std::size_t line = LineOf(month, day);
                    finder.Look(file->second.texts[line], file->second.folded[line], where);
                }
            }
        }
    }
}

}  // namespace

void YearFiles::Refresh(platform::FileSystem& files, const std::string& dataPath) {
    unreadable_.clear();
    std::map<int, Year> fresh;
    for (const auto& name : files.listFiles(dataPath + app::kDiaryFolder)) {
        const int year = YearOfName(name);
        if (year == 0) continue;
        const std::string path = dataPath + app::YearFile(year);
        const auto stamp = files.stamp(path);
        const auto kept = years_.find(year);
        if (stamp && kept != years_.end() && kept->second.stamp == stamp) {
            fresh.emplace(year, std::move(kept->second));
            continue;
        }
        std::string why;
        const auto content = files.readFile(path, &why);
        if (!content) {
            unreadable_.push_back(path + ": " + why);
            continue;
        }
        fresh.emplace(year, ReadYear(app::SplitLines(*content), stamp));
    }
    years_ = std::move(fresh);
}

Results Find(const Query& query, const YearFiles& years, const app::SharedValues& values,
             const std::vector<NoteText>& notes, std::size_t diaryLimit) {
    Results results;
    if (query.empty()) return results;
    Finder finder(query, results);
    FindInDiary(finder, years, values, diaryLimit, results);
    for (int month = 1; month <= 12; ++month) {
        for (int day = 1; day <= kRecurringDays[static_cast<std::size_t>(month)]; ++day) {
            finder.Look(values.Reminders(month, day), {HitKind::RecurringNote, 0, month, day, 0, {}, {}});
        }
    }
    for (int month = 1; month <= 12; ++month) {
        for (int day = 1; day <= kRecurringDays[static_cast<std::size_t>(month)]; ++day) {
            const std::string& names = values.Names(month, day);
            const HitKind kind = app::IsHoliday(names) ? HitKind::Holiday : HitKind::NameDay;
            finder.Look(app::NameDayText(names), {kind, 0, month, day, 0, {}, {}});
        }
    }
    for (int day = 1; day <= alarms::kMonthDays; ++day) {
        finder.Look(values.DayAlarms[static_cast<std::size_t>(day)], {HitKind::MonthlyAlarm, 0, 0, day, 0, {}, {}});
    }
    for (int weekday = 1; weekday <= alarms::kWeekdays; ++weekday) {
        finder.Look(values.WeekdayAlarms[static_cast<std::size_t>(weekday)],
                    {HitKind::WeeklyAlarm, 0, 0, 0, weekday, {}, {}});
    }
    std::vector<const NoteText*> byRecord;
    byRecord.reserve(notes.size());
    for (const auto& note : notes) byRecord.push_back(&note);
    std::sort(byRecord.begin(), byRecord.end(),
              [](const NoteText* a, const NoteText* b) { return a->record < b->record; });
    for (const NoteText* note : byRecord) finder.Look(note->text, {HitKind::Note, 0, 0, 0, note->record, {}, {}});
    return results;
}

const char* KindName(HitKind kind) {
    switch (kind) {
        case HitKind::DiaryLine:
            return "diary line";
        case HitKind::RecurringNote:
            return "recurring note";
        case HitKind::NameDay:
            return "name day";
        case HitKind::Holiday:
            return "holiday";
        case HitKind::MonthlyAlarm:
            return "monthly alarm";
        case HitKind::WeeklyAlarm:
            return "weekly alarm";
        case HitKind::Note:
            return "note";
    }
    return "";
}

}  // namespace search
