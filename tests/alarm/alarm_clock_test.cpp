#include "alarm/alarm_clock.h"

#include <gtest/gtest.h>

#include "alarm/clock_fixture.h"
#include "app/tray_icon.h"

namespace {

using testing_support::ClockTest;

// Monday 7 December 2026, ten seconds before 9:05: the clock's first looks fall at 9:05:05, 20,
// 35 and 50, the fifth at 9:06:05.
class Alarm : public ClockTest {
protected:
    Alarm() { platform.setTime({2026, 12, 7, 9, 4, 50}); }
};

TEST_F(Alarm, TheClockRunsEveryFifteenSecondsWithTheMainWindowHidden) {
    ASSERT_TRUE(Start());
    ASSERT_NE(module->Clock->TAlarm, nullptr);
    EXPECT_EQ(module->Clock->TAlarm->interval(), 15000);
    EXPECT_TRUE(module->Clock->TAlarm->enabled());
    EXPECT_FALSE(diar().form().visible());
}

struct SourceCase {
    const char* name;
    const char* line;
    const char* note;
    const char* weekday;     // the Monday row
    const char* dayOfMonth;  // the 7th
    const char* message;
};

class EachSource : public Alarm, public ::testing::WithParamInterface<SourceCase> {};

TEST_P(EachSource, RingsOnceInItsMinuteWithItsJoins) {
    const auto& c = GetParam();
    PutYear(2026, {{{12, 7}, c.line}});
    PutReminders({{{12, 7}, c.note}});
    putFile("\\Notes.ini", "07.12.2026\r\n");  // today's day message was seen
    ASSERT_TRUE(Start());
    module->WeekdayAlarms[1] = c.weekday;
    module->DayAlarms[7] = c.dayOfMonth;
    EXPECT_EQ(rings(), 0);
    Ticks(1);
    EXPECT_EQ(rings(), 1);
    EXPECT_TRUE(messageShown());
    EXPECT_EQ(module->MsgText, c.message);
    message().form().hide();
    Ticks(3);  // the rest of 9:05
    EXPECT_EQ(rings(), 1);
    EXPECT_FALSE(messageShown());
    Ticks(1);  // 9:06
    EXPECT_EQ(rings(), 1);
}

INSTANTIATE_TEST_SUITE_P(
    Alarms, EachSource,
    ::testing::Values(SourceCase{"DiaryLine", "[9:05] dentist", "", "", "", "[9:05] dentist"},
                      SourceCase{"YearlyNoteAlone", "", "call Mum [9:05]", "", "", "\r\ncall Mum [9:05]"},
                      SourceCase{"Weekday", "", "", "9:05 gym", "", "9:05 gym"},
                      SourceCase{"DayOfMonth", "", "", "", "18:00 9:05", "18:00 9:05"},
                      SourceCase{"TwoTables", "", "", "9:05 gym", "09:05, 18:00 pills",
                                 "9:05 gym\r\n09:05, 18:00 pills"},
                      SourceCase{"AllFour", "[9:05] dentist", "[9:05] call", "9:05 gym", "9:05 pills",
                                 "[9:05] dentist\r\n[9:05] call\r\n9:05 gym\r\n9:05 pills"}),
    [](const auto& test) { return std::string(test.param.name); });

TEST_F(Alarm, TheMessageShowsTheTextWithoutOuterSpacesButWithItsLineBreaks) {
    PutReminders({{{12, 7}, "call Mum [9:05]  "}});
    putFile("\\Notes.ini", "RESUME\r\n");
    ASSERT_TRUE(Start());
    Ticks(1);
    EXPECT_EQ(message().MsgLabel->caption(), "\r\ncall Mum [9:05]");
    EXPECT_EQ(message().MsgLabelSH->caption(), message().MsgLabel->caption());
}

TEST_F(Alarm, TheSoundPlaysFromTheDataFolderOnlyWhenSwitchedOn) {
    ASSERT_TRUE(Start());
    module->MsgText = "9:05";
    for (int sound : {1, 0, 2}) {
        platform.soundsPlayed.clear();
        module->AlarmSound = sound;
        module->Clock->LastAlarmMinute.clear();
        alarms::MsgAlarm(*module);
        EXPECT_EQ(platform.soundsPlayed, std::vector<std::string>(sound == 1 ? 1 : 0, data("\\Alarm.wav")))
            << "sound switch " << sound;
        EXPECT_TRUE(messageShown());
    }
}

class FirstDayOfWeek : public Alarm, public ::testing::WithParamInterface<int> {};

TEST_P(FirstDayOfWeek, ARowRingsOnTheWeekdayItIsLabelledWith) {
    platform.headlessLocale().firstDay = GetParam();
    platform.setTime({2026, 12, 13, 9, 4, 50});  // a Sunday
    ASSERT_TRUE(Start());
    module->WeekdayAlarms[1] = "9:05 Monday";
    module->WeekdayAlarms[7] = "9:05 Sunday";
    Ticks(1);
    EXPECT_EQ(module->MsgText, "9:05 Sunday");
}

// Sunday, Monday and Saturday first.
INSTANTIATE_TEST_SUITE_P(Alarms, FirstDayOfWeek, ::testing::Values(1, 2, 7));

TEST_F(Alarm, ATableTimeRingsOnlyAsAWholeTime) {
    platform.setTime({2026, 12, 7, 7, 29, 50});
    ASSERT_TRUE(Start());
    module->DayAlarms[7] = "17:30 7:305";
    Ticks(3);  // 7:30:05 to 7:30:35
    EXPECT_EQ(rings(), 0);
    module->DayAlarms[7] = "07:30";
    Ticks(1);
    EXPECT_EQ(module->MsgText, "07:30");
    EXPECT_EQ(rings(), 1);
}

TEST_F(Alarm, TodaysLineRingsFromTodaysYearWhateverYearOrMonthIsShown) {
    PutYear(2026, {{{12, 7}, "[9:05] dentist"}});
    PutYear(2025, {{{12, 7}, "[9:05] last year's line"}});
    putFile("\\Notes.ini", "RESUME\r\n");
    ASSERT_TRUE(Start());
    module->CurYear = 2025;
    module->ShownMonth = 3;
    diar().ShowYear();
    Ticks(1);
    EXPECT_EQ(module->MsgText, "[9:05] dentist");
    EXPECT_EQ(module->Diary(12, 7), "#####[9:05] last year's line");
}

TEST_F(Alarm, ALineTypedTodayRingsBeforeItIsSaved) {
    ASSERT_TRUE(Start());
    module->Diary(12, 7) = "#####[9:05] just typed";
    module->DiaryDirty = true;
    Ticks(1);
    EXPECT_EQ(module->MsgText, "[9:05] just typed");
}

TEST_F(Alarm, AMissingOrShortYearFileOfTodayRingsNothing) {
    putFile("\\Diary\\2026", "#####[9:05] January the 1st\r\n");
    ASSERT_TRUE(Start());
    module->CurYear = 2025;
    diar().ShowYear();
    Ticks(1);
    ASSERT_TRUE(platform.memoryFiles().removeFile(data("\\Diary\\2026")));
    Ticks(1);
    EXPECT_EQ(rings(), 0);
    EXPECT_EQ(module->MsgText, "");
}

}  // namespace
