#include <gtest/gtest.h>

#include "diary/day_tables.h"
#include "support/shown_calendar.h"

namespace {

using testing_support::ShownCalendar;

class DayLine : public ShownCalendar {};

TEST_F(DayLine, LeavingALineWritesItsTextAfterTheFormatCode) {
    typeAndLeave(12, "[9:05] dentist");
    EXPECT_EQ(module->Diary(12, 12), "#####[9:05] dentist");
    EXPECT_TRUE(module->DiaryDirty);
    typeAndLeave(3, "Dentist at 10");
    EXPECT_EQ(module->Diary(12, 3), "BR###Dentist at 10");
}

TEST_F(DayLine, ALineLeftAsItWasLeavesTheTableClean) {
    platform.focus(line(3));
    diar().ParkFocus();
    platform.focus(line(3));
    platform.type(line(3), "!");
    platform.keyDown(line(3), platform::kKeyBack);
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

TEST_F(DayLine, ALineHoldsAtMost256Characters) {
    typeAndLeave(9, std::string(300, 'x'));
    EXPECT_EQ(module->Diary(12, 9), "#####" + std::string(256, 'x'));
}

TEST_F(DayLine, ALineTypedJustBeforeHidingReachesTheYearFile) {
    platform.focus(line(20));
    platform.type(line(20), "typed in a hurry");
    platform.click(*diar().Minimalizator);
    EXPECT_FALSE(diar().form().visible());
    const auto lines = savedFile("\\Diary\\2026");
    ASSERT_EQ(lines.size(), 372u);
    EXPECT_EQ(lines[YearLine(12, 20)], "#####typed in a hurry");
    EXPECT_FALSE(module->DiaryDirty);
}

struct LineKeyCase {
    const char* what;
    int month;
    int day;
    int key;
    int focusedDay;  // 0: the focus is parked
};

class LineKeys : public ShownCalendar, public testing::WithParamInterface<LineKeyCase> {};

TEST_P(LineKeys, MoveTheFocusWithinTheMonth) {
    const auto& c = GetParam();
    showMonth(c.month);
    platform.focus(line(c.day));
    platform.keyDown(line(c.day), c.key);
    if (c.focusedDay == 0) {
        EXPECT_TRUE(diar().Focus->hasFocus());
    } else {
        EXPECT_TRUE(line(c.focusedDay).hasFocus());
    }
}

INSTANTIATE_TEST_SUITE_P(DayLine, LineKeys,
                         testing::Values(LineKeyCase{"UpToThePreviousDay", 12, 5, platform::kKeyUp, 4},
                                         LineKeyCase{"UpOnTheFirstDayStays", 12, 1, platform::kKeyUp, 1},
                                         LineKeyCase{"DownToTheNextDay", 11, 29, platform::kKeyDown, 30},
                                         LineKeyCase{"DownOnTheLastDayOf30Stays", 11, 30, platform::kKeyDown, 30},
                                         LineKeyCase{"DownOnTheLastDayOf31Stays", 12, 31, platform::kKeyDown, 31},
                                         LineKeyCase{"DownOnTheLastDayOfFebruaryStays", 2, 28, platform::kKeyDown, 28},
                                         LineKeyCase{"EnterParksTheFocus", 12, 9, platform::kKeyReturn, 0}),
                         [](const auto& param_info) { return std::string(param_info.param.what); });

TEST_F(DayLine, LeavingALineByKeyCommitsIt) {
    platform.focus(line(10));
    platform.type(line(10), "moved on");
    platform.keyDown(line(10), platform::kKeyDown);
    platform.type(line(11), "back");
    platform.keyDown(line(11), platform::kKeyUp);
    platform.type(line(10), " and done");
    platform.keyDown(line(10), platform::kKeyReturn);
    EXPECT_EQ(module->Diary(12, 10), "#####moved on and done");
    EXPECT_EQ(module->Diary(12, 11), "#####back");
}

TEST_F(DayLine, CtrlASelectsTheWholeLineAndOnlyWithCtrlAlone) {
    platform.focus(line(3));
    for (int shift : {platform::kCtrl | platform::kShift, platform::kCtrl | platform::kAlt}) {
        line(3).select(2, 0);
        platform.keyDown(line(3), platform::kKeyA, shift);
        EXPECT_EQ(line(3).selectionLength(), 0) << "shift state " << shift;
    }
    line(3).select(2, 0);
    platform.keyDown(line(3), platform::kKeyA, platform::kCtrl);
    EXPECT_EQ(line(3).selectionStart(), 0);
    EXPECT_EQ(line(3).selectionLength(), static_cast<int>(std::string("Dentist").size()));
    EXPECT_EQ(line(3).text(), "Dentist");
}

class LongDayLine : public ShownCalendar {
protected:
    LongDayLine() { yearLines[YearLine(12, 15)] = "#G###" + longText; }
    const std::string longText = std::string(250, 'a') + std::string(50, 'b');
};

TEST_F(LongDayLine, AClickInAndOutKeepsTheWholeStoredText) {
    EXPECT_EQ(line(15).text(), longText.substr(0, 256));
    platform.focus(line(15));
    diar().ParkFocus();
    EXPECT_FALSE(module->DiaryDirty);
    typeAndLeave(16, "another day");
    platform.click(*diar().Minimalizator);
    EXPECT_EQ(savedFile("\\Diary\\2026")[YearLine(12, 15)], "#G###" + longText);
}

TEST_F(LongDayLine, ATypedChangeStoresWhatTheLineHolds) {
    platform.focus(line(15));
    line(15).select(0, 1);
    platform.type(line(15), "Z");
    diar().ParkFocus();
    EXPECT_TRUE(module->DiaryDirty);
    EXPECT_EQ(module->Diary(12, 15), "#G###Z" + longText.substr(1, 255));
}

}  // namespace
