#include "search/search_results.h"

#include <gtest/gtest.h>

#include "app/datafiles.h"
#include "diary/day_tables.h"
#include "platform/headless/memory_file_system.h"

namespace {

using search::Hit;
using search::HitKind;

constexpr const char* kData = "C:\\P\\NotesDat";

class SearchResults : public ::testing::Test {
protected:
    SearchResults() {
        files.putFolder(std::string(kData) + "\\Diary");
        values.DataPath = kData;
        values.CurYear = 2026;
        for (int m = 1; m <= 12; ++m) {
            for (int d = 1; d <= 31; ++d) values.Diary(m, d) = app::kEmptyDiaryCell;
        }
    }
    void putYear(int year, const std::vector<std::pair<std::pair<int, int>, std::string>>& cells) {
        std::vector<std::string> lines(372, app::kEmptyDiaryCell);
        for (const auto& [date, cell] : cells) {
            lines[static_cast<std::size_t>((date.first - 1) * 31 + date.second - 1)] = cell;
        }
        files.putFile(std::string(kData) + app::YearFile(year), app::JoinLines(lines));
    }
    search::Results find(const std::string& typed, std::size_t limit = 1000) {
        years.Refresh(files, kData);
        return search::Find(search::Query(typed), years, values, notes, limit);
    }

    platform::headless::MemoryFileSystem files;
    app::SharedValues values;
    std::vector<search::NoteText> notes;
    search::YearFiles years;
};

TEST_F(SearchResults, EveryKindIsFoundInItsOrderDiaryLinesNewestFirst) {
    putYear(2019, {{{3, 4}, "#####dentist 2019"}});
    putYear(2031, {{{1, 2}, "#R###dentist planned"}});
    putYear(2024, {{{12, 30}, "B####dentist late"}, {{1, 1}, "#####dentist early"}});
    values.Diary(6, 15) = "#####dentist typed, not saved";
    values.Reminders(5, 1) = "dentist every May";
    values.Names(2, 3) = " Dentist's day";
    values.Names(1, 1) = "*Dentists' holiday";
    values.DayAlarms[12] = "9:00 dentist";
    values.WeekdayAlarms[2] = "7:00 dentist";
    notes = {{7, "the dentist's number"}, {3, "dentist: call back"}};

    const auto hits = find("dentist").hits;
    struct Expected {
        HitKind kind;
        int year, month, day, row;
    };
    const Expected expected[] = {
        {HitKind::DiaryLine, 2031, 1, 2, 0},   {HitKind::DiaryLine, 2026, 6, 15, 0},
        {HitKind::DiaryLine, 2024, 12, 30, 0}, {HitKind::DiaryLine, 2024, 1, 1, 0},
        {HitKind::DiaryLine, 2019, 3, 4, 0},   {HitKind::RecurringNote, 0, 5, 1, 0},
        {HitKind::Holiday, 0, 1, 1, 0},        {HitKind::NameDay, 0, 2, 3, 0},
        {HitKind::MonthlyAlarm, 0, 0, 12, 0},  {HitKind::WeeklyAlarm, 0, 0, 0, 2},
        {HitKind::Note, 0, 0, 0, 3},           {HitKind::Note, 0, 0, 0, 7},
    };
    ASSERT_EQ(hits.size(), std::size(expected));
    for (std::size_t i = 0; i < hits.size(); ++i) {
        const Hit& hit = hits[i];
        const Expected& e = expected[i];
        EXPECT_EQ(hit.kind, e.kind) << i;
        EXPECT_EQ(hit.year, e.year) << i;
        EXPECT_EQ(hit.month, e.month) << i;
        EXPECT_EQ(hit.day, e.day) << i;
        EXPECT_EQ(hit.row, e.row) << i;
        EXPECT_EQ(search::Folded(hit.text.substr(hit.match.at, hit.match.length)), "dentist") << i;
    }
}

TEST_F(SearchResults, TheShownYearIsSearchedAsTypedNotAsSaved) {
    putYear(2026, {{{12, 7}, "#####old text"}});
    values.Diary(12, 7) = "#####new text";
    EXPECT_TRUE(find("old").hits.empty());
    ASSERT_EQ(find("new").hits.size(), 1u);
}

TEST_F(SearchResults, TheFormatCodeIsNeverPartOfAMatch) {
    putYear(2020, {{{1, 1}, "BR###dentist"}, {{1, 2}, "#####"}, {{1, 3}, "B#"}});
    for (const char* typed : {"#dentist", "###den", "br###", "r", "#"}) {
        EXPECT_TRUE(find(typed).hits.empty()) << typed;
    }
    // The code's letters "B" and "R" are found only in the text.
    EXPECT_EQ(find("b").hits.size(), 0u);
}

TEST_F(SearchResults, AYearFileReadsAgainOnlyWhenItChanged) {
    putYear(2020, {{{1, 1}, "#####first"}});
    ASSERT_EQ(find("first").hits.size(), 1u);
    putYear(2020, {{{1, 1}, "#####second"}});
    EXPECT_TRUE(find("first").hits.empty());
    EXPECT_EQ(find("second").hits.size(), 1u);
    ASSERT_TRUE(files.removeFile(std::string(kData) + app::YearFile(2020)).ok);
    EXPECT_TRUE(find("second").hits.empty());
}

TEST_F(SearchResults, DamagedAndUnreadableFilesCostOnlyWhatTheyLack) {
    // Short: only its first lines; impossible dates and names that are no year are passed by.
    files.putFile(std::string(kData) + "\\Diary\\2021", "#####short one\r\n#####short two");
    putYear(2022, {{{2, 30}, "#####short on an impossible date"}});
    files.putFile(std::string(kData) + "\\Diary\\notes.txt", "short");
    files.putFile(std::string(kData) + "\\Diary\\0099", "#####short");
    putYear(2023, {{{1, 1}, "#####short but unreadable"}});
    files.setUnreadable(std::string(kData) + app::YearFile(2023));

    const auto hits = find("short").hits;
    ASSERT_EQ(hits.size(), 2u);
    EXPECT_EQ(hits[0].day, 2);
    EXPECT_EQ(hits[1].day, 1);
    ASSERT_EQ(years.unreadable().size(), 1u);
    EXPECT_NE(years.unreadable()[0].find("Diary\\2023"), std::string::npos);
}

TEST_F(SearchResults, ManyDiaryLinesStopAtTheLimitKeepingTheNewest) {
    std::vector<std::pair<std::pair<int, int>, std::string>> cells;
    for (int d = 1; d <= 31; ++d) cells.push_back({{1, d}, "#####a line"});
    putYear(2020, cells);
    putYear(2021, cells);
    values.Reminders(1, 1) = "a recurring line";
    const auto results = find("line", 40);
    EXPECT_TRUE(results.cut);
    ASSERT_EQ(results.hits.size(), 41u);  // 40 diary lines, and what is not a diary line
    EXPECT_EQ(results.hits[0].year, 2021);
    EXPECT_EQ(results.hits[39].year, 2020);
    EXPECT_EQ(results.hits[40].kind, HitKind::RecurringNote);
    EXPECT_FALSE(find("line", 1000).cut);
}

}  // namespace
