#include "alarm/alarm_file.h"

#include <gtest/gtest.h>

namespace {

using alarms::AlarmLines;
using alarms::ApplyAlarmLines;
using alarms::DayAlarmTable;
using alarms::WeekdayAlarmTable;

TEST(AlarmSoundLine, IsTheNumberBetweenTwoSpaces) {
    EXPECT_EQ(alarms::FormatSoundLine(1), " 1 ");
    EXPECT_EQ(alarms::FormatSoundLine(0), " 0 ");
    EXPECT_EQ(alarms::FormatSoundLine(-1), "-1 ");
}

struct SoundLineCase {
    const char* line;
    std::optional<int> value;
};

class SoundLine : public ::testing::TestWithParam<SoundLineCase> {};

TEST_P(SoundLine, ReadsACheckBoxStateWithSpacesAroundIt) {
    EXPECT_EQ(alarms::ParseSoundLine(GetParam().line), GetParam().value);
}

INSTANTIATE_TEST_SUITE_P(Cases, SoundLine,
                         ::testing::Values(SoundLineCase{" 1 ", 1}, SoundLineCase{" 0 ", 0}, SoundLineCase{"1", 1},
                                           SoundLineCase{"   2", 2}, SoundLineCase{"", std::nullopt},
                                           SoundLineCase{"   ", std::nullopt}, SoundLineCase{"on", std::nullopt},
                                           SoundLineCase{" 1x ", std::nullopt}, SoundLineCase{" 7 ", std::nullopt},
                                           SoundLineCase{"-1", std::nullopt}, SoundLineCase{" 10 ", std::nullopt}));

TEST(AlarmLinesTest, SoundThenTheDaysThenMondayToSunday) {
    DayAlarmTable days{};
    WeekdayAlarmTable weekdays{};
    for (std::size_t d = 1; d < days.size(); ++d) days[d] = "day " + std::to_string(d);
    for (std::size_t w = 1; w < weekdays.size(); ++w) weekdays[w] = "weekday " + std::to_string(w);
    const auto lines = AlarmLines(0, days, weekdays);
    ASSERT_EQ(lines.size(), 39u);
    EXPECT_EQ(lines[0], " 0 ");
    EXPECT_EQ(lines[1], "day 1");
    EXPECT_EQ(lines[31], "day 31");
    EXPECT_EQ(lines[32], "weekday 1");
    EXPECT_EQ(lines[38], "weekday 7");

    int sound = 1;
    DayAlarmTable readDays{};
    WeekdayAlarmTable readWeekdays{};
    ApplyAlarmLines(lines, sound, readDays, readWeekdays);
    EXPECT_EQ(sound, 0);
    EXPECT_EQ(readDays, days);
    EXPECT_EQ(readWeekdays, weekdays);
}

TEST(AlarmLinesTest, WhatTheLinesDoNotGiveKeepsItsValue) {
    int sound = 0;
    DayAlarmTable days{};
    WeekdayAlarmTable weekdays{};
    days[2] = "kept";
    weekdays[1] = "kept too";
    ApplyAlarmLines({" 1 ", "7:30"}, sound, days, weekdays);
    EXPECT_EQ(sound, 1);
    EXPECT_EQ(days[1], "7:30");
    EXPECT_EQ(days[2], "kept");
    EXPECT_EQ(weekdays[1], "kept too");

    ApplyAlarmLines({}, sound, days, weekdays);
    EXPECT_EQ(sound, 1);
    EXPECT_EQ(days[1], "7:30");
}

TEST(AlarmLinesTest, LinesAfterTheSeventhWeekdayAreIgnored) {
    std::vector<std::string> lines(45, "x");
    lines[0] = " 1 ";
    int sound = 0;
    DayAlarmTable days{};
    WeekdayAlarmTable weekdays{};
    ApplyAlarmLines(lines, sound, days, weekdays);
    EXPECT_EQ(weekdays[7], "x");
    EXPECT_EQ(days[0], "");
    EXPECT_EQ(weekdays[0], "");
}

}  // namespace
