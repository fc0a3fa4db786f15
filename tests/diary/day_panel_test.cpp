#include <gtest/gtest.h>

#include "app/datafiles.h"
#include "app/main_window.h"
#include "support/app_fixture.h"

namespace {

using testing_support::AppTest;

constexpr platform::ColorRef kBlack = 0x00000000;
constexpr platform::ColorRef kSlateBlue = 0x00906050;
constexpr platform::ColorRef kRed = 0x001020D0;
constexpr platform::ColorRef kGreySeparator = 0x00C0C0C0;
constexpr platform::ColorRef kSundaySeparator = 0x00203080;

class DayPanel : public AppTest {
protected:
    DayPanel() { platform.setTime({2026, 12, 7, 10, 0, 0}); }
    void SetUp() override { ASSERT_TRUE(Start()); }

    app::FrmDiar& diar() { return *module->Diar; }
    platform::Control& at(const std::array<platform::Control*, 32>& row, int day) {
        return *row[static_cast<std::size_t>(day)];
    }
    void show(int year, int month) {
        module->CurYear = year;
        module->ShownMonth = month;
        diar().ShowYear();
    }
    std::vector<int> framedDays() {
        std::vector<int> days;
        for (int d = 1; d <= 31; ++d) {
            if (at(diar().MenuDni, d).border()) days.push_back(d);
        }
        return days;
    }
};

// Each day's row is the row above it moved down one row step, and every part of a row lies
// between the row's two separators, inside the panel they span.
TEST_F(DayPanel, RowsFollowEachOtherInsideTheirSeparators) {
    using Row = std::array<platform::Control*, 32>;
    const Row* rows[] = {&diar().MenuDni, &diar().DenSv, &diar().DenC, &diar().DenN, &diar().DenLine};
    const int step = at(diar().Riadok, 1).rect().y - at(diar().Riadok, 0).rect().y;
    EXPECT_GT(step, 0);
    for (int day = 1; day <= 31; ++day) {
        SCOPED_TRACE(day);
        const platform::Rect above = at(diar().Riadok, day - 1).rect(), below = at(diar().Riadok, day).rect();
        EXPECT_EQ(below.y - above.y, step);
        EXPECT_EQ(below.x, above.x);
        EXPECT_EQ(below.w, above.w);
        for (const Row* row : rows) {
            const platform::Rect part = at(*row, day).rect();
            EXPECT_GE(part.y, above.y);
            EXPECT_LE(part.y + part.h, below.y + 1);  // a picture may reach onto the separator
            EXPECT_GE(part.x, above.x);
            EXPECT_LE(part.x + part.w, above.x + above.w);
            if (day > 1) {
                const platform::Rect previous = at(*row, day - 1).rect();
                EXPECT_EQ(part, (platform::Rect{previous.x, previous.y + step, previous.w, previous.h}));
            }
        }
    }
    // The line for the text starts right of the day's number, name and badge.
    for (const Row* row : {&diar().DenC, &diar().DenN, &diar().DenSv}) {
        const platform::Rect part = at(*row, 1).rect();
        EXPECT_LE(part.x + part.w, at(diar().DenLine, 1).rect().x);
    }
    EXPECT_EQ(at(diar().DenLine, 1).maxLength(), 256);
}

TEST_F(DayPanel, TitleAndWeekdaysFromTheLocale) {
    show(2026, 12);
    EXPECT_EQ(diar().Titul->caption(), "DECEMBER 2026");
    // 1 December 2026 is a Tuesday.
    EXPECT_EQ(at(diar().DenN, 1).caption(), "Tu");
    EXPECT_EQ(at(diar().DenN, 7).caption(), "Mo");
    EXPECT_EQ(at(diar().DenC, 7).caption(), "7");
    EXPECT_EQ(at(diar().DenC, 31).caption(), "31");
}

class SlovakDayPanel : public DayPanel {
protected:
    SlovakDayPanel() { platform.headlessLocale().useSlovak(); }
};

TEST_F(SlovakDayPanel, TitleIsUpperCasedAndWeekdaysStartUpperCase) {
    show(2002, 4);
    EXPECT_EQ(diar().Titul->caption(), "APR\xcdL 2002");
    // 1 April 2002 is a Monday; the 4th a Thursday ("\xe8t").
    EXPECT_EQ(at(diar().DenN, 1).caption(), "Po");
    EXPECT_EQ(at(diar().DenN, 4).caption(), "\xc8t");
    EXPECT_EQ(at(diar().DenN, 7).caption(), "Ne");
}

TEST_F(DayPanel, WeekendsAndHolidaysHaveTheirColours) {
    // June 2024: the 1st is a Saturday, the 2nd a Sunday.
    module->Names(6, 8) = "*Holiday on a Saturday";
    module->Names(6, 12) = "*Holiday on a Wednesday";
    module->Names(6, 13) = " Ordinary";
    show(2024, 6);
    const struct {
        int day;
        platform::ColorRef color;
        platform::ColorRef separator;
        const char* why;
    } cases[] = {
        {3, kBlack, kGreySeparator, "Monday"},
        {1, kSlateBlue, kGreySeparator, "Saturday"},
        {2, kRed, kSundaySeparator, "Sunday"},
        {8, kRed, kGreySeparator, "holiday on a Saturday"},
        {12, kRed, kGreySeparator, "holiday on a weekday"},
        {13, kBlack, kGreySeparator, "name day with a blank mark"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(at(diar().DenC, c.day).foreColor(), c.color) << c.why;
        EXPECT_EQ(at(diar().DenN, c.day).foreColor(), c.color) << c.why;
        EXPECT_EQ(at(diar().Riadok, c.day).borderColor(), c.separator) << c.why;
    }
    EXPECT_EQ(at(diar().MenuDni, 8).tooltip(), "Holiday on a Saturday");
    EXPECT_EQ(at(diar().MenuDni, 13).tooltip(), "Ordinary");
    EXPECT_EQ(at(diar().MenuDni, 14).tooltip(), "");  // "\Names" gave nothing for that day
}

TEST_F(DayPanel, TodayIsFramedOnlyInTodaysMonth) {
    EXPECT_EQ(framedDays(), std::vector<int>{7});  // start-up shows today's month
    show(2026, 11);
    EXPECT_TRUE(framedDays().empty());
    show(2025, 12);
    EXPECT_TRUE(framedDays().empty());
    platform.setTime({2026, 12, 8, 0, 0, 1});
    show(2026, 12);
    EXPECT_EQ(framedDays(), std::vector<int>{8});
}

TEST_F(DayPanel, ShortMonthsEmptyTheirLastRows) {
    module->Reminders(1, 30) = "January note";
    module->Reminders(1, 31) = "January note";
    module->Names(1, 31) = "*January name";
    show(2026, 1);
    ASSERT_NE(at(diar().DenSv, 31).picture(), nullptr);
    show(2026, 2);
    for (int d = 29; d <= 31; ++d) {
        EXPECT_EQ(at(diar().DenC, d).caption(), "") << d;
        EXPECT_EQ(at(diar().DenN, d).caption(), "") << d;
        EXPECT_EQ(at(diar().DenSv, d).picture(), nullptr) << d;
        EXPECT_EQ(at(diar().DenSv, d).tooltip(), "") << d;
        EXPECT_EQ(at(diar().MenuDni, d).tooltip(), "") << d;
        EXPECT_FALSE(at(diar().MenuDni, d).border()) << d;
        EXPECT_FALSE(at(diar().DenLine, d).visible()) << d;
        EXPECT_TRUE(at(diar().Riadok, d).visible()) << d;
        EXPECT_EQ(at(diar().Riadok, d).borderColor(), kGreySeparator) << d;
    }
    EXPECT_TRUE(at(diar().DenLine, 28).visible());
    show(2024, 2);
    EXPECT_TRUE(at(diar().DenLine, 29).visible());
    EXPECT_FALSE(at(diar().DenLine, 30).visible());
    show(2024, 3);
    EXPECT_TRUE(at(diar().DenLine, 31).visible());
}

TEST_F(DayPanel, RecurringNotesShowTheMarkerAndTheirText) {
    module->Reminders(5, 10) = "Mother's day [9:00]";
    show(2026, 5);
    EXPECT_EQ(at(diar().DenSv, 10).picture(), at(diar().DenSv, 0).picture());
    EXPECT_EQ(at(diar().DenSv, 10).tooltip(), "Mother's day [9:00]");
    EXPECT_EQ(at(diar().DenSv, 11).picture(), nullptr);
    show(2026, 6);
    EXPECT_EQ(at(diar().DenSv, 10).picture(), nullptr);  // June 10th has no note
    EXPECT_EQ(at(diar().DenSv, 10).tooltip(), "");
    EXPECT_FALSE(at(diar().DenSv, 0).visible());
}

TEST_F(DayPanel, EachLineShowsItsOwnWeightAndColour) {
    putFile("\\Diary\\2026", [] {
        std::vector<std::string> lines(372, "#####");
        lines[0] = "BR###Bold red";
        lines[31] = "#Y###Yellow";  // 1 February
        lines[2] = "B";             // a damaged line: only part of its code
        lines[3] = "#G";
        return app::JoinLines(lines);
    }());
    show(2026, 1);
    platform::Control& first = at(diar().DenLine, 1);
    EXPECT_TRUE(first.font().bold);
    EXPECT_EQ(first.foreColor(), kRed);
    EXPECT_EQ(first.text(), "Bold red");
    EXPECT_TRUE(at(diar().DenLine, 3).font().bold);
    EXPECT_EQ(at(diar().DenLine, 3).text(), "");
    EXPECT_EQ(at(diar().DenLine, 4).foreColor(), 0x00208000u);
    EXPECT_EQ(at(diar().DenLine, 2).text(), "");

    show(2026, 2);
    EXPECT_FALSE(first.font().bold);
    EXPECT_EQ(first.foreColor(), 0x000090B0u);
    EXPECT_EQ(first.text(), "Yellow");
    show(2026, 3);
    EXPECT_EQ(first.foreColor(), kBlack);
    EXPECT_EQ(first.text(), "");
}

}  // namespace
