#include <gtest/gtest.h>

#include "app/datafiles.h"
#include "app/main_window.h"
#include "diary/day_tables.h"
#include "support/app_fixture.h"

namespace {

using testing_support::AppTest;

class DayLine : public AppTest {
protected:
    DayLine() { platform.setTime({2026, 12, 7, 10, 0, 0}); }
    void SetUp() override {
        std::vector<std::string> lines(372, "#####");
        lines[11 * 31 + 2] = "BR###Dentist";
        putFile("\\Diary\\2026", app::JoinLines(lines));
        ASSERT_TRUE(Start());
        diar().form().show();
    }
    app::FrmDiar& diar() { return *module->Diar; }
    platform::Control& line(int day) { return *diar().DenLine[static_cast<std::size_t>(day)]; }
    // Types into a day line and leaves it, as clicking elsewhere in the window does.
    void typeAndLeave(int day, const std::string& text) {
        platform.focus(line(day));
        line(day).select(0, static_cast<int>(line(day).text().size()));
        platform.keyDown(line(day), platform::kKeyBack);
        platform.type(line(day), text);
        diar().ParkFocus();
    }
};

TEST_F(DayLine, LeavingALineWritesItsTextAfterTheFormatCode) {
    typeAndLeave(12, "[9:05] dentist");
    EXPECT_EQ(module->Diary(12, 12), "#####[9:05] dentist");
    EXPECT_TRUE(module->DiaryDirty);
    typeAndLeave(3, "Dentist at 10");
    EXPECT_EQ(module->Diary(12, 3), "BR###Dentist at 10");
}

TEST_F(DayLine, UnchangedLineLeavesTheTableClean) {
    platform.focus(line(3));
    diar().ParkFocus();
    EXPECT_FALSE(module->DiaryDirty);
    EXPECT_EQ(module->Diary(12, 3), "BR###Dentist");
}

TEST_F(DayLine, ClearingALineClearsItsWeightAndColour) {
    typeAndLeave(3, "");
    EXPECT_EQ(module->Diary(12, 3), "#####");
    EXPECT_TRUE(module->DiaryDirty);
    EXPECT_FALSE(line(3).font().bold);
    EXPECT_EQ(line(3).foreColor(), 0u);
}

TEST_F(DayLine, ALineTypedJustBeforeHidingReachesTheYearFile) {
    platform.focus(line(20));
    platform.type(line(20), "typed in a hurry");
    platform.click(*diar().Minimalizator);
    EXPECT_FALSE(diar().form().visible());
    const auto lines = app::SplitLines(file("\\Diary\\2026"));
    ASSERT_EQ(lines.size(), 372u);
    EXPECT_EQ(lines[11 * 31 + 19], "#####typed in a hurry");
    EXPECT_FALSE(module->DiaryDirty);
}

}  // namespace
