#include <gtest/gtest.h>

#include <functional>

#include "app/datafiles.h"
#include "app/main_window.h"
#include "diary/day_tables.h"
#include "diary/year_range.h"
#include "support/app_fixture.h"

namespace {

using platform::kLeftButton;
using platform::kRightButton;
using platform::headless::DialogCall;
using platform::headless::MemoryFileSystem;
using testing_support::AppTest;

class Navigation : public AppTest {
protected:
    Navigation() { platform.setTime({2026, 12, 7, 10, 0, 0}); }
    void SetUp() override {
        ASSERT_TRUE(Start());
        diar().form().show();
    }

    app::FrmDiar& diar() { return *module->Diar; }
    platform::Control& line(int day) { return *diar().DenLine[static_cast<std::size_t>(day)]; }
    void showMonth(int year, int month) {
        module->CurYear = year;
        module->ShownMonth = month;
        diar().ShowYear();
    }
    // Types over a day line's text and leaves the focus in the line.
    void typeInto(int day, const std::string& text) {
        platform.focus(line(day));
        line(day).select(0, static_cast<int>(line(day).text().size()));
        platform.type(line(day), text);
    }
    void putYear(int year, int month, int day, const std::string& cell) {
        std::vector<std::string> lines(372, app::kEmptyDiaryCell);
        lines[static_cast<std::size_t>((month - 1) * 31 + day - 1)] = cell;
        putFile(app::YearFile(year), app::JoinLines(lines));
    }
    std::string yearLine(int year, int month, int day) {
        const auto lines = app::SplitLines(file(app::YearFile(year)));
        const auto index = static_cast<std::size_t>((month - 1) * 31 + day - 1);
        return index < lines.size() ? lines[index] : "<missing>";
    }
    bool focusReleased() { return diar().form().focused() == diar().Focus; }
};

TEST_F(Navigation, MonthStepsInsideTheYearNeitherSaveNorReload) {
    typeInto(2, "kept in memory");
    platform.click(*diar().DiBack);
    EXPECT_TRUE(focusReleased());
    EXPECT_EQ(module->ShownMonth, 11);
    EXPECT_EQ(diar().Titul->caption(), "NOVEMBER 2026");
    EXPECT_EQ(module->Diary(12, 2), "#####kept in memory");
    EXPECT_TRUE(module->DiaryDirty);
    EXPECT_EQ(file("\\Diary\\2026"), "<missing>");

    platform.click(*diar().MesiacClick[3]);
    EXPECT_EQ(module->ShownMonth, 3);
    EXPECT_EQ(diar().Titul->caption(), "MARCH 2026");
    platform.click(*diar().DiNext);
    EXPECT_EQ(module->ShownMonth, 4);
    EXPECT_EQ(file("\\Diary\\2026"), "<missing>");
    EXPECT_EQ(module->Diary(12, 2), "#####kept in memory");
}

TEST_F(Navigation, YearStepsSaveTheShownYearAndStopAtTheLimits) {
    struct Step {
        const char* name;
        int fromYear, fromMonth;
        std::function<platform::Control*(app::FrmDiar&)> image;
        int toYear, toMonth;  // equal to the start: nothing changes
    };
    auto diBack = [](app::FrmDiar& d) { return d.DiBack; };
    auto diNext = [](app::FrmDiar& d) { return d.DiNext; };
    auto minus = [](app::FrmDiar& d) { return d.Minus; };
    auto plus = [](app::FrmDiar& d) { return d.Plus; };
    const Step steps[] = {
        {"DiNext over New Year", 2006, 12, diNext, 2007, 1},     {"DiBack over New Year", 2007, 1, diBack, 2006, 12},
        {"Minus shows January", 2007, 6, minus, 2006, 1},        {"Plus shows January", 2007, 6, plus, 2008, 1},
        {"DiBack in January 100", 100, 1, diBack, 100, 1},       {"Minus in 100", 100, 5, minus, 100, 5},
        {"DiNext in December 9999", 9999, 12, diNext, 9999, 12}, {"Plus in 9999", 9999, 5, plus, 9999, 5},
    };
    for (const auto& step : steps) {
        SCOPED_TRACE(step.name);
        const bool moves = step.toYear != step.fromYear;
        putYear(step.toYear, step.toMonth, 9, "#R###waiting in the file");
        // The year starts without a file; most steps' years have none to remove.
        static_cast<void>(platform.memoryFiles().removeFile(data(app::YearFile(step.fromYear))));
        showMonth(step.fromYear, step.fromMonth);
        typeInto(20, "typed before the step");
        platform.click(*step.image(diar()));

        EXPECT_TRUE(focusReleased());
        EXPECT_EQ(module->CurYear, step.toYear);
        EXPECT_EQ(module->ShownMonth, step.toMonth);
        EXPECT_EQ(diar().RokTit->caption(), std::to_string(step.toYear));
        if (moves) {
            EXPECT_EQ(yearLine(step.fromYear, step.fromMonth, 20), "#####typed before the step");
            EXPECT_FALSE(module->DiaryDirty);
            EXPECT_EQ(line(9).text(), "waiting in the file");
        } else {
            // The typed line is committed all the same, and kept for the next save point.
            EXPECT_EQ(file(app::YearFile(step.fromYear)), "<missing>");
            EXPECT_EQ(module->Diary(step.fromMonth, 20), "#####typed before the step");
            EXPECT_TRUE(module->DiaryDirty);
            module->DiaryDirty = false;
        }
    }
}

TEST_F(Navigation, BrowsingToAnEmptyYearAndBackCreatesNoFile) {
    platform.click(*diar().Plus);
    platform.click(*diar().Minus);
    EXPECT_EQ(file("\\Diary\\2027"), "<missing>");
    EXPECT_EQ(file("\\Diary\\2026"), "<missing>");
    EXPECT_EQ(module->CurYear, 2026);
    EXPECT_EQ(module->ShownMonth, 1);
}

TEST_F(Navigation, OnlyTheLeftButtonNavigates) {
    showMonth(2026, 6);
    for (platform::Control* image : {diar().DiBack, diar().DiNext, diar().Minus, diar().Plus, diar().ButToday,
                                     diar().MesiacClick[2], diar().RokTit}) {
        platform.click(*image, kRightButton);
        EXPECT_EQ(module->CurYear, 2026) << image->name();
        EXPECT_EQ(module->ShownMonth, 6) << image->name();
    }
    EXPECT_FALSE(diar().RokEdit->visible());
}

TEST_F(Navigation, PickingAMonthCommitsTheTypedLineToTheMonthItBelongsTo) {
    typeInto(12, "[9:05] dentist");
    platform.click(*diar().MesiacClick[3]);
    EXPECT_EQ(module->Diary(12, 12), "#####[9:05] dentist");
    EXPECT_EQ(module->Diary(3, 12), app::kEmptyDiaryCell);
    EXPECT_EQ(line(12).text(), "");
    EXPECT_EQ(diar().Titul->caption(), "MARCH 2026");
}

TEST_F(Navigation, TodayFromTodaysMonthDoesNothing) {
    typeInto(1, "Advent");
    platform.setTime({2026, 12, 8, 0, 1, 0});
    platform.click(*diar().ButToday);
    EXPECT_TRUE(focusReleased());
    EXPECT_EQ(module->Diary(12, 1), "#####Advent");
    EXPECT_TRUE(module->DiaryDirty);  // nothing saved
    EXPECT_EQ(diar().LabToday->caption(), "7.12.2026");
}

TEST_F(Navigation, TodayFromAnotherMonthSavesAndReloadsTheYear) {
    platform.click(*diar().MesiacClick[4]);
    typeInto(2, "April line");
    platform.setTime({2026, 12, 9, 8, 0, 0});
    platform.click(*diar().ButToday);
    EXPECT_EQ(module->ShownMonth, 12);
    EXPECT_EQ(diar().Titul->caption(), "DECEMBER 2026");
    EXPECT_EQ(diar().LabToday->caption(), "9.12.2026");
    EXPECT_EQ(yearLine(2026, 4, 2), "#####April line");
    EXPECT_FALSE(module->DiaryDirty);

    // Inside the same year the file is read again, too.
    platform.click(*diar().MesiacClick[4]);
    putYear(2026, 12, 24, "#####written elsewhere");
    platform.click(*diar().ButToday);
    EXPECT_EQ(module->Diary(12, 24), "#####written elsewhere");
    EXPECT_EQ(module->Diary(4, 2), app::kEmptyDiaryCell);
    EXPECT_EQ(line(24).text(), "written elsewhere");
}

// A year change never drops lines: when the shown year cannot be written the calendar stays on
// it, says which file failed and why, and the next attempt tries again.
TEST_F(Navigation, FailedSaveKeepsTheYearAndTheNextAttemptRetries) {
    const struct {
        const char* name;
        int fromYear, fromMonth;
        std::function<void()> act;
        int toYear, toMonth;
    } attempts[] = {
        {"DiNext", 2030, 12, [this] { platform.click(*diar().DiNext); }, 2031, 1},
        {"DiBack", 2030, 1, [this] { platform.click(*diar().DiBack); }, 2029, 12},
        {"Minus", 2030, 6, [this] { platform.click(*diar().Minus); }, 2029, 1},
        {"Plus", 2030, 6, [this] { platform.click(*diar().Plus); }, 2031, 1},
        {"Today", 2030, 6, [this] { platform.click(*diar().ButToday); }, 2026, 12},
        {"year editor", 2030, 6,
         [this] {
             platform.click(*diar().RokTit);
             platform.type(*diar().RokEdit, "2040");
             platform.keyDown(*diar().RokEdit, platform::kKeyReturn);
         },
         2040, 1},
    };
    for (const auto& attempt : attempts) {
        SCOPED_TRACE(attempt.name);
        platform.dialogs.clear();
        // The year starts without a file: the one the attempt before wrote goes, when there is one.
        static_cast<void>(platform.memoryFiles().removeFile(data(app::YearFile(attempt.fromYear))));
        showMonth(attempt.fromYear, attempt.fromMonth);
        typeInto(5, "must survive");
        platform.memoryFiles().failNext(MemoryFileSystem::Op::Write);
        attempt.act();

        EXPECT_EQ(module->CurYear, attempt.fromYear);
        EXPECT_EQ(diar().RokTit->caption(), std::to_string(attempt.fromYear));
        EXPECT_EQ(module->Diary(attempt.fromMonth, 5), "#####must survive");
        EXPECT_TRUE(module->DiaryDirty);
        EXPECT_FALSE(platform.quitRequested);
        ASSERT_EQ(platform.dialogs.size(), 1u);
        EXPECT_EQ(platform.dialogs[0].kind, DialogCall::Kind::Message);
        EXPECT_EQ(platform.dialogs[0].icon, platform::MessageIcon::Stop);
        const std::string failed = data(app::YearFile(attempt.fromYear)) + ": ";
        const std::string& text = platform.dialogs[0].text;
        const auto at = text.find(failed);
        ASSERT_NE(at, std::string::npos) << text;
        EXPECT_NE(text[at + failed.size()], '\r') << "no reason given: " << text;

        attempt.act();
        EXPECT_EQ(platform.dialogs.size(), 1u);
        EXPECT_EQ(module->CurYear, attempt.toYear);
        EXPECT_EQ(module->ShownMonth, attempt.toMonth);
        EXPECT_EQ(yearLine(attempt.fromYear, attempt.fromMonth, 5), "#####must survive");
        EXPECT_FALSE(module->DiaryDirty);
    }
}

TEST_F(Navigation, FailedRecurringNotesDoNotHoldTheYear) {
    module->Reminders(1, 1) = "New Year";
    module->RemindersDirty = true;
    platform.memoryFiles().failNext(MemoryFileSystem::Op::Write);
    platform.click(*diar().Plus);
    // The recurring notes belong to every year: changing it drops none of them.
    EXPECT_EQ(module->CurYear, 2027);
    EXPECT_TRUE(module->RemindersDirty);
    ASSERT_EQ(platform.dialogs.size(), 1u);
    EXPECT_NE(platform.dialogs[0].text.find(data("\\Reminder") + ": "), std::string::npos);
    platform.click(*diar().Minus);
    EXPECT_FALSE(module->RemindersDirty);
    EXPECT_EQ(app::SplitLines(file("\\Reminder"))[0], "New Year");
}

}  // namespace
