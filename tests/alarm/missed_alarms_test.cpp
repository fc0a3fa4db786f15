#include "alarm/missed_alarms.h"

#include <gtest/gtest.h>

#include <chrono>

#include "alarm/alarm_options.h"
#include "app/shared_values.h"

namespace {

using alarms::AlarmSource;
using alarms::MinuteNumber;

long long At(int year, int month, int day, int hour, int minute) {
    return MinuteNumber({year, month, day, hour, minute, 0});
}

TEST(MissedAlarmRules, MinutesCountOnAcrossMidnightMonthsYearsAndLeapDays) {
    EXPECT_EQ(At(2026, 12, 7, 10, 1) - At(2026, 12, 7, 10, 0), 1);
    EXPECT_EQ(At(2026, 12, 8, 0, 0) - At(2026, 12, 7, 23, 59), 1);
    EXPECT_EQ(At(2026, 12, 1, 0, 0) - At(2026, 11, 30, 23, 59), 1);
    EXPECT_EQ(At(2027, 1, 1, 0, 0) - At(2026, 12, 31, 23, 59), 1);
    EXPECT_EQ(At(2028, 3, 1, 0, 0) - At(2028, 2, 28, 0, 0), 2 * alarms::kMinutesPerDay);
    EXPECT_EQ(MinuteNumber({2026, 12, 7, 10, 0, 59}), At(2026, 12, 7, 10, 0));
    for (const long long minute : {At(1, 1, 1, 0, 0), At(2024, 2, 29, 23, 59), At(9999, 12, 31, 23, 59)}) {
        EXPECT_EQ(MinuteNumber(alarms::MinuteDate(minute)), minute);
    }
}

TEST(MissedAlarmRules, TheCheckedMinuteIsWrittenAndReadAsYearMonthDayHoursMinutes) {
    EXPECT_EQ(alarms::MinuteText(At(2026, 3, 7, 9, 5)), "2026-03-07 09:05");
    EXPECT_EQ(alarms::ParseMinuteText("2026-03-07 09:05"), At(2026, 3, 7, 9, 5));
    for (const char* wrong : {"", "2026-03-07", "2026-02-30 09:05", "2026-03-07 24:00", "2026-13-01 00:00",
                              "2026-03-07 09:60", "x026-03-07 09:05", "2026-03-07 09:05 "}) {
        EXPECT_EQ(alarms::ParseMinuteText(wrong), std::nullopt) << wrong;
    }
}

TEST(MissedAlarmRules, ATextRingsAtTheTimesTheClockFindsInIt) {
    using V = std::vector<int>;
    EXPECT_EQ(alarms::RingingMinutes("[9:05] dentist [14:30] bank", AlarmSource::DiaryLine, ":"), (V{545, 870}));
    // Brackets only in lines and notes; hours without a leading zero, as the clock writes them.
    EXPECT_EQ(alarms::RingingMinutes("9:05 dentist [09:10] [24:00] [9:60]", AlarmSource::Note, ":"), V{});
    // The tables ring whole times, leading zeros allowed.
    EXPECT_EQ(alarms::RingingMinutes("07:30, 18:00 pills 17:305 123:00", AlarmSource::Weekday, ":"), (V{450, 1080}));
    EXPECT_EQ(alarms::RingingMinutes("0:00 23:59 7:30 7:30", AlarmSource::DayOfMonth, ":"), (V{0, 450, 1439}));
    EXPECT_EQ(alarms::RingingMinutes("[9.05] a [9:06] b", AlarmSource::DiaryLine, "."), V{545});
}

// Every day the same texts: a diary line at 10:00, a note at 10:00 too, the weekday table at 7:30
// and the day-of-month table at 22:15.
alarms::TodaysAlarmTexts EveryDay(int, int, int) {
    return {"[10:00] dentist", "call [10:00]", "7:30 gym", "22:15 pills"};
}

TEST(MissedAlarmRules, MissedAlarmsAreThoseStrictlyBetweenTheTwoLooksInOrder) {
    const auto found = alarms::FindMissed(At(2026, 12, 7, 7, 30), At(2026, 12, 8, 7, 30), EveryDay, ":", 50);
    ASSERT_EQ(found.latest.size(), 3u);
    EXPECT_EQ(found.latest[0].due, At(2026, 12, 7, 10, 0));
    EXPECT_EQ(found.latest[0].source, AlarmSource::DiaryLine);
    EXPECT_EQ(found.latest[1].due, At(2026, 12, 7, 10, 0));
    EXPECT_EQ(found.latest[1].source, AlarmSource::Note);
    EXPECT_EQ(found.latest[2].due, At(2026, 12, 7, 22, 15));
    EXPECT_EQ(found.earlier, 0);
    EXPECT_FALSE(found.notAllLooked);
    EXPECT_TRUE(alarms::FindMissed(At(2026, 12, 7, 9, 59), At(2026, 12, 7, 10, 0), EveryDay, ":", 50).latest.empty());
    EXPECT_TRUE(alarms::FindMissed(At(2026, 12, 7, 10, 0), At(2026, 12, 7, 9, 0), EveryDay, ":", 50).latest.empty());
}

TEST(MissedAlarmRules, AFarJumpKeepsTheLatestAndCountsTheRest) {
    const auto found = alarms::FindMissed(At(2026, 12, 1, 0, 0), At(2026, 12, 31, 0, 0), EveryDay, ":", 50);
    ASSERT_EQ(found.latest.size(), 50u);
    EXPECT_EQ(found.earlier, 30 * 4 - 50);
    EXPECT_EQ(found.latest.back().due, At(2026, 12, 30, 22, 15));
    const std::string text = alarms::MissedListText(found.latest, found.earlier, false, ":");
    EXPECT_NE(text.find("... and 70 earlier missed alarms, not listed."), std::string::npos);
}

TEST(MissedAlarmRules, AJumpOfYearsLooksThroughOneYearOnlyAndQuickly) {
    int days = 0;
    const auto counting = [&days](int year, int month, int day) {
        ++days;
        return EveryDay(year, month, day);
    };
    const auto started = std::chrono::steady_clock::now();
    const auto found = alarms::FindMissed(At(2026, 12, 7, 10, 0), At(2126, 12, 7, 10, 0), counting, ":", 50);
    EXPECT_LT(std::chrono::steady_clock::now() - started, std::chrono::seconds(2));
    EXPECT_EQ(days, alarms::kMissedDaysLooked);
    EXPECT_TRUE(found.notAllLooked);
    EXPECT_EQ(found.latest.size(), 50u);
    EXPECT_NE(alarms::MissedListText(found.latest, found.earlier, true, ":").find("366 days ago were not looked for"),
              std::string::npos);
}

TEST(MissedAlarmRules, TheLateAlarmIsTheLatestMissedMinuteWithinTheMinutesGiven) {
    const auto found = alarms::FindMissed(At(2026, 12, 7, 9, 0), At(2026, 12, 7, 10, 7), EveryDay, ":", 50);
    const auto late = alarms::LateAlarms(found.latest, At(2026, 12, 7, 10, 7), 10);
    ASSERT_EQ(late.size(), 2u);  // the line and the note of 10:00
    EXPECT_EQ(alarms::LateAlarmText(late, At(2026, 12, 7, 10, 7), ":"),
              "[10:00] dentist\r\ncall [10:00]\r\n\r\n(due at 10:00, 7 minutes ago)");
    EXPECT_TRUE(alarms::LateAlarms(found.latest, At(2026, 12, 7, 10, 7), 6).empty());
    EXPECT_EQ(alarms::LateAlarms(found.latest, At(2026, 12, 7, 10, 1), 1).size(), 2u);
    // Due yesterday: the date is named.
    const auto overnight = alarms::FindMissed(At(2026, 12, 7, 22, 0), At(2026, 12, 8, 0, 5), EveryDay, ":", 50);
    EXPECT_EQ(alarms::LateAlarmText(alarms::LateAlarms(overnight.latest, At(2026, 12, 8, 0, 5), 120),
                                    At(2026, 12, 8, 0, 5), ":"),
              "22:15 pills\r\n\r\n(due at 22:15 on 7.12.2026, 110 minutes ago)");
}

TEST(MissedAlarmRules, AListLineHasTheDateTheTimeAndTheText) {
    EXPECT_EQ(alarms::MissedLine({At(2026, 12, 7, 9, 5), AlarmSource::DiaryLine, " [9:05] dentist "}, ":"),
              "7.12.2026  9:05   [9:05] dentist");
}

TEST(AlarmOptionsFile, ThreeLinesWithDefaultsForWhatTheyDoNotSay) {
    app::SharedValues values;
    EXPECT_EQ(alarms::AlarmOptionLines(values), (std::vector<std::string>{"0", "10", "0"}));
    alarms::ApplyAlarmOptionLines({"1", " 25 ", "1"}, values);
    EXPECT_EQ(values.LateAlarm, 1);
    EXPECT_EQ(values.LateMinutes, 25);
    EXPECT_EQ(values.ListMissed, 1);
    alarms::ApplyAlarmOptionLines({"yes", "0"}, values);
    EXPECT_EQ(values.LateAlarm, 0);
    EXPECT_EQ(values.LateMinutes, 1);
    EXPECT_EQ(values.ListMissed, 0);
    alarms::ApplyAlarmOptionLines({"1", "999999", "1"}, values);
    EXPECT_EQ(values.LateMinutes, 60);
    alarms::ApplyAlarmOptionLines({"1", "ten"}, values);
    EXPECT_EQ(values.LateMinutes, 10);
}

}  // namespace
