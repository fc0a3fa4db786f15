#include "alarm/alarm_rules.h"

#include <gtest/gtest.h>

namespace {

using alarms::TodaysAlarmTexts;

TEST(ClockTime, HoursWithoutLeadingZeroMinutesWithTwoDigitsAndTheLocaleSeparator) {
    EXPECT_EQ(alarms::ClockTime({2026, 12, 7, 9, 5, 59}, ":"), "9:05");
    EXPECT_EQ(alarms::ClockTime({2026, 12, 7, 0, 0, 0}, ":"), "0:00");
    EXPECT_EQ(alarms::ClockTime({2026, 12, 7, 17, 30, 0}, "."), "17.30");
    EXPECT_EQ(alarms::MinuteOf({2026, 1, 2, 7, 30, 45}, ":"), "2.1.2026 7:30");
}

struct TimeCase {
    const char* text;
    const char* time;
    bool bracketed;
    bool whole;
};

class TimeInText : public ::testing::TestWithParam<TimeCase> {};

TEST_P(TimeInText, BracketsInLinesWholeTimesInTables) {
    const auto& c = GetParam();
    EXPECT_EQ(alarms::HasBracketedTime(c.text, c.time), c.bracketed);
    EXPECT_EQ(alarms::HasWholeTime(c.text, c.time), c.whole);
}

INSTANTIATE_TEST_SUITE_P(
    Alarms, TimeInText,
    ::testing::Values(TimeCase{"[9:05] dentist", "9:05", true, true}, TimeCase{"dentist 9:05", "9:05", false, true},
                      TimeCase{"[19:05] film", "9:05", false, false}, TimeCase{"17:30", "7:30", false, false},
                      TimeCase{"17:30", "17:30", false, true}, TimeCase{"07:30 gym", "7:30", false, true},
                      TimeCase{"7:305", "7:30", false, false}, TimeCase{"17:30 and 7:30", "7:30", false, true},
                      TimeCase{"10:30", "0:30", false, false}, TimeCase{"00:30", "0:30", false, true},
                      TimeCase{"", "7:30", false, false}));

TEST(WeekdayAlarmRow, CountsFromMondayWhateverTheDate) {
    // 7 December 2026 is a Monday; the week runs into the next year's first days as well.
    for (int offset = 0; offset < 7; ++offset) EXPECT_EQ(alarms::WeekdayAlarmRow(2026, 12, 7 + offset), offset + 1);
    EXPECT_EQ(alarms::WeekdayAlarmRow(2027, 1, 1), 5);  // a Friday
}

TEST(CollectAlarms, ADiaryLineTakesTheDayMessagesPlaceAndTheOtherSourcesFollowIt) {
    const TodaysAlarmTexts line{"[9:05] dentist", "", "", ""};
    const TodaysAlarmTexts noteAndTables{"", "call [9:05]", "9:05 gym", "9:055"};
    EXPECT_EQ(alarms::CollectAlarms("day", line, "9:05"), "[9:05] dentist");
    EXPECT_EQ(alarms::CollectAlarms("day", noteAndTables, "9:05"), "day\r\ncall [9:05]\r\n9:05 gym");
    EXPECT_EQ(alarms::TrimSpaces("  dentist \r\n birthday  "), "dentist \r\n birthday");
    EXPECT_EQ(alarms::TrimSpaces("   "), "");
}

}  // namespace
