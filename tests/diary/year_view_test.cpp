#include <gtest/gtest.h>

#include "app/datafiles.h"
#include "app/main_window.h"
#include "support/app_fixture.h"

namespace {

using testing_support::AppTest;

constexpr platform::ColorRef kGrey = 0x00909090;
constexpr platform::ColorRef kLightRed = 0x008080F0;
constexpr platform::ColorRef kSteelBlue = 0x00906020;
constexpr platform::ColorRef kOchre = 0x000070A0;

class YearView : public AppTest {
protected:
    void SetUp() override { ASSERT_TRUE(Start()); }

    app::FrmDiar& diar() { return *module->Diar; }
    platform::Control& cell(int month, int i) {
        return *diar().YearCells[static_cast<std::size_t>(month)][static_cast<std::size_t>(i)];
    }
    void showYear(int year) {
        module->CurYear = year;
        diar().ShowYear();
    }
    // The captions of a grid's 42 cells, "." for an empty cell.
    std::string captions(int month) {
        std::string all;
        for (int i = 1; i <= 42; ++i) all += cell(month, i).caption().empty() ? "." : cell(month, i).caption();
        return all;
    }
};

TEST_F(YearView, GridsStartOnTheirWeekdayMondayFirst) {
    showYear(2024);
    // January 2024 begins on a Monday, September on a Sunday, December on a Sunday (and has 31 days).
    EXPECT_EQ(captions(1), "1234567890123456789012345678901...........");
    EXPECT_EQ(captions(9), "......123456789012345678901234567890......");
    EXPECT_EQ(captions(12), "......1234567890123456789012345678901.....");
    // February of the leap year has 29 days, from a Thursday.
    EXPECT_EQ(captions(2), "...12345678901234567890123456789..........");
}

TEST_F(YearView, ChangingTheYearClearsCellsThatNoLongerHoldADay) {
    showYear(2024);
    showYear(2023);
    // February 2023 begins on a Wednesday and has 28 days.
    EXPECT_EQ(captions(2), "..1234567890123456789012345678............");
    EXPECT_EQ(module->DaysInMonth[2], 28);
    EXPECT_EQ(diar().RokTit->caption(), "2023");
    EXPECT_EQ(diar().RokTitSH->caption(), "2023");
}

// A grid is seven columns a week, each cell one step right of the one before and one step below
// the one a week before; every grid lies inside its month's click area, and no two areas meet.
TEST_F(YearView, CellsLieOnTheirGrid) {
    const auto inside = [](const platform::Rect& part, const platform::Rect& area) {
        return part.x >= area.x && part.y >= area.y && part.x + part.w <= area.x + area.w &&
               part.y + part.h <= area.y + area.h;
    };
    const auto meet = [](const platform::Rect& a, const platform::Rect& b) {
        return a.x < b.x + b.w && b.x < a.x + a.w && a.y < b.y + b.h && b.y < a.y + a.h;
    };
    const int stepX = cell(1, 2).rect().x - cell(1, 1).rect().x;
    const int stepY = cell(1, 8).rect().y - cell(1, 1).rect().y;
    EXPECT_GT(stepX, 0);
    EXPECT_GT(stepY, 0);
    for (int month = 1; month <= 12; ++month) {
        SCOPED_TRACE(month);
        const platform::Rect first = cell(month, 1).rect();
        for (int i = 1; i <= 42; ++i) {
            const platform::Rect r = cell(month, i).rect();
            EXPECT_EQ(
                r, (platform::Rect{first.x + stepX * ((i - 1) % 7), first.y + stepY * ((i - 1) / 7), first.w, first.h}))
                << "cell " << i;
            EXPECT_TRUE(inside(r, diar().MesiacClick[static_cast<std::size_t>(month)]->rect())) << "cell " << i;
        }
        for (int other = month + 1; other <= 12; ++other) {
            EXPECT_FALSE(meet(diar().MesiacClick[static_cast<std::size_t>(month)]->rect(),
                              diar().MesiacClick[static_cast<std::size_t>(other)]->rect()))
                << "and " << other;
        }
    }
    EXPECT_EQ(diar().form().find("Okt", 7), &cell(10, 7));
}

TEST_F(YearView, DayMarksFollowTheirPriority) {
    // March 2026 begins on a Sunday: day 1 is a Sunday, day 2 a Monday, day 7 a Saturday.
    module->Names(3, 2) = "*Holiday";
    module->Names(3, 3) = " Ordinary name";
    module->Names(3, 8) = "*Holiday on a Sunday";
    module->Reminders(3, 4) = "Recurring";
    module->Reminders(3, 15) = "Recurring";  // also a Sunday with a diary line
    module->Reminders(3, 9) = "Recurring";   // also a holiday
    module->Names(3, 9) = "*Holiday";
    putFile("\\Diary\\2026", [] {
        std::vector<std::string> lines(372, "#####");
        lines[2 * 31 + 4] = "#####line";     // 5 March
        lines[2 * 31 + 5] = "B####";         // 6 March: formatted, no text
        lines[2 * 31 + 14] = "BR###Sunday";  // 15 March
        lines[2 * 31 + 21] = "#####line";    // 22 March, a Sunday
        return app::JoinLines(lines);
    }());
    showYear(2026);

    const struct {
        int day;
        platform::ColorRef color;
        bool bold;
        const char* why;
    } cases[] = {
        {1, kLightRed, false, "Sunday"},
        {2, kLightRed, false, "holiday"},
        {3, kGrey, false, "name day with a blank mark"},
        {7, kGrey, false, "Saturday"},
        {8, kLightRed, false, "holiday on a Sunday"},
        {4, kOchre, true, "recurring note"},
        {5, kSteelBlue, true, "diary line"},
        {6, kGrey, false, "code without text"},
        {22, kSteelBlue, true, "diary line on a Sunday"},
        {15, kOchre, true, "diary line and recurring note"},
        {9, kOchre, true, "recurring note on a holiday"},
    };
    for (const auto& c : cases) {
        const platform::Control& label = cell(3, c.day + 6);
        EXPECT_EQ(label.caption(), std::to_string(c.day % 10)) << c.why;
        EXPECT_EQ(label.foreColor(), c.color) << c.why;
        EXPECT_EQ(label.font().bold, c.bold) << c.why;
    }

    // Another year without those lines takes the marks away again.
    showYear(2027);  // March 2027 begins on a Monday
    EXPECT_EQ(cell(3, 5).foreColor(), kGrey);
    EXPECT_FALSE(cell(3, 5).font().bold);
}

TEST_F(YearView, MonthTitlesComeFromTheLocale) {
    EXPECT_EQ(diar().MesTit[1]->caption(), "January");
    EXPECT_EQ(diar().MesTit[12]->caption(), "December");
}

class SlovakYearView : public AppTest {
protected:
    SlovakYearView() { platform.headlessLocale().useSlovak(); }
};

TEST_F(SlovakYearView, MonthTitlesAreUpperCasedOnlyAtTheStart) {
    ASSERT_TRUE(Start());
    EXPECT_EQ(module->Diar->MesTit[4]->caption(), "Apr\xedl");
    EXPECT_EQ(module->Diar->MesTit[7]->caption(), "J\xfal");
    EXPECT_EQ(module->Diar->MesTit[10]->caption(),
              "Okt\xf3"
              "ber");
}

}  // namespace
