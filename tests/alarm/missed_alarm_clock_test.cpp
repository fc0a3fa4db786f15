// Missed alarms on the headless platform, its clock moved by the test: the computer sleeps
// (resumeAt), the system's clock is set (setClock), the program ends and starts again.
#include <gtest/gtest.h>

#include "alarm/alarm_clock.h"
#include "alarm/alarm_options.h"
#include "alarm/clock_fixture.h"
#include "alarm/missed_window.h"
#include "app/session.h"
#include "platform/headless/headless_platform.h"

namespace {

using platform::DateTime;
using testing_support::ClockTest;

constexpr const char* kSeen = "RESUME\r\n";  // no day message: the tests look at the alarms alone

// Monday 7 December 2026, 9:00.
class Missed : public ClockTest {
protected:
    Missed() { platform.setTime({2026, 12, 7, 9, 0, 0}); }

    void Options(bool late, int minutes, bool list) {
        putFile("\\AlarmOptions", std::string(late ? "1" : "0") + "\r\n" + std::to_string(minutes) + "\r\n" +
                                      (list ? "1" : "0") + "\r\n");
    }
    void StartWith(const std::map<Date, std::string>& lines) {
        PutYear(2026, lines);
        if (file("\\Notes.ini") == "<missing>") putFile("\\Notes.ini", kSeen);
        ASSERT_TRUE(Start());
    }
    // The program ends as the exit image ends it, and starts again at `at`.
    void RestartAt(const DateTime& at) {
        app::SaveBeforeEnd(*module);
        for (platform::Form* form : platform.forms()) form->close();
        platform.setTime(at);
        module = std::make_unique<app::Module>(platform);
        ASSERT_TRUE(Start());
    }

    bool listShown() { return module->Clock->hasMissedWindow() && module->Clock->missedWindow().form().visible(); }
    std::string listText() { return listShown() ? module->Clock->missedWindow().TxtMissed->text() : "<no list>"; }
    void PressListOK() { platform.click(*module->Clock->missedWindow().ButOK); }
    std::string checked() { return file("\\AlarmChecked"); }
};

TEST_F(Missed, ByDefaultASleepAcrossAnAlarmRingsNothingAndListsNothing) {
    StartWith({{{12, 7}, "[10:00] dentist"}});
    platform.resumeAt({2026, 12, 7, 11, 0, 20});
    Ticks(8);
    EXPECT_EQ(rings(), 0);
    EXPECT_FALSE(messageShown());
    EXPECT_FALSE(listShown());
    // Written at the wake-up that found the missed alarm, not at every look after it.
    EXPECT_EQ(checked(), "2026-12-07 11:00\r\n");
}

TEST_F(Missed, ASleepAcrossNoAlarmShowsNothingWhateverTheOptions) {
    Options(true, 60, true);
    StartWith({{{12, 7}, "[12:00] lunch"}});
    platform.resumeAt({2026, 12, 7, 11, 0, 0});
    EXPECT_EQ(rings(), 0);
    EXPECT_FALSE(messageShown());
    EXPECT_FALSE(listShown());
}

TEST_F(Missed, TheLateOptionRingsTheNewestMissedAlarmOnceWithTheTimeItWasDue) {
    Options(true, 10, false);
    StartWith({{{12, 7}, "[10:00] dentist"}});
    module->WeekdayAlarms[1] = "9:30 gym";
    platform.resumeAt({2026, 12, 7, 10, 7, 0});
    EXPECT_EQ(rings(), 1);
    EXPECT_TRUE(messageShown());
    EXPECT_EQ(module->MsgText, "[10:00] dentist\r\n\r\n(due at 10:00, 7 minutes ago)");
    message().form().hide();
    Ticks(12);
    platform.resumeAt(platform.now());
    EXPECT_EQ(rings(), 1);
    EXPECT_FALSE(messageShown());
    EXPECT_FALSE(listShown());
}

TEST_F(Missed, TheLateOptionRingsNothingLaterThanItsMinutes) {
    Options(true, 10, false);
    StartWith({{{12, 7}, "[10:00] dentist"}});
    platform.resumeAt({2026, 12, 7, 10, 11, 0});
    EXPECT_EQ(rings(), 0);
    EXPECT_FALSE(messageShown());
}

TEST_F(Missed, TheListShowsEveryMissedAlarmQuietlyOnceInOrder) {
    Options(false, 10, true);
    PutReminders({{{12, 7}, "call Mum [10:30]"}});
    StartWith({{{12, 7}, "[10:00] dentist"}});
    module->WeekdayAlarms[1] = "9:30 11:00 gym";
    module->DayAlarms[7] = "11:45 pills";
    platform.resumeAt({2026, 12, 7, 12, 0, 10});
    EXPECT_EQ(rings(), 0);
    EXPECT_FALSE(messageShown());
    ASSERT_TRUE(listShown());
    EXPECT_EQ(listText(),
              "7.12.2026  9:30   9:30 11:00 gym\r\n"
              "7.12.2026  10:00   [10:00] dentist\r\n"
              "7.12.2026  10:30   call Mum [10:30]\r\n"
              "7.12.2026  11:00   9:30 11:00 gym\r\n"
              "7.12.2026  11:45   11:45 pills");
    EXPECT_EQ(module->Clock->missedWindow().form().title(), "Missed alarms (5)");
    PressListOK();
    EXPECT_FALSE(listShown());
    Ticks(8);
    platform.resumeAt(platform.now());
    platform.setClock(platform.now());
    EXPECT_FALSE(listShown());
    EXPECT_EQ(rings(), 0);
}

TEST_F(Missed, WithBothOptionsTheNewestRingsAndTheOthersAreListed) {
    Options(true, 30, true);
    StartWith({{{12, 7}, "[10:00] dentist [11:50] bank"}});
    platform.resumeAt({2026, 12, 7, 12, 0, 0});
    EXPECT_EQ(rings(), 1);
    EXPECT_EQ(module->MsgText, "[10:00] dentist [11:50] bank\r\n\r\n(due at 11:50, 10 minutes ago)");
    EXPECT_EQ(listText(), "7.12.2026  10:00   [10:00] dentist [11:50] bank");
}

TEST_F(Missed, ASleepAcrossMidnightAndAMonthsEndListsBothDaysAndShowsTodaysMessageOnce) {
    Options(false, 10, true);
    platform.setTime({2026, 11, 30, 23, 0, 0});
    putFile("\\Notes.ini", "NORESUME\r\n");
    StartWith({{{11, 30}, "[23:30] pack"}, {{12, 1}, "[0:15] train"}, {{12, 3}, "[8:00] today's line"}});
    const auto calls = platform.headlessTray().calls.size();
    platform.resumeAt({2026, 12, 3, 9, 0, 0});  // three dates later
    EXPECT_EQ(listText(),
              "30.11.2026  23:30   [23:30] pack\r\n"
              "1.12.2026  0:15   [0:15] train\r\n"
              "3.12.2026  8:00   [8:00] today's line");
    // One day message, today's, with one new tray icon.
    EXPECT_TRUE(messageShown());
    EXPECT_EQ(message().MsgLabel->caption(), "[8:00] today's line\r\n\r\n");
    EXPECT_EQ(platform.headlessTray().calls.size(), calls + 2);
    EXPECT_EQ(rings(), 1);  // the day message rings, as at every new date
    Ticks(4);
    EXPECT_EQ(rings(), 1);
}

TEST_F(Missed, ASleepAcrossNewYearReadsTheNewYearsFile) {
    Options(false, 10, true);
    platform.setTime({2026, 12, 31, 23, 50, 0});
    PutYear(2027, {{{1, 1}, "[0:10] fireworks"}});
    StartWith({{{12, 31}, "[23:55] toast"}});
    platform.resumeAt({2027, 1, 1, 0, 30, 0});
    EXPECT_EQ(listText(),
              "31.12.2026  23:55   [23:55] toast\r\n"
              "1.1.2027  0:10   [0:10] fireworks");
}

TEST_F(Missed, AClockSetForwardMissesWhatItJumpsOverAsASleepDoes) {
    Options(false, 10, true);
    StartWith({{{12, 7}, "[10:00] dentist"}});
    platform.setClock({2026, 12, 7, 13, 0, 0});
    EXPECT_EQ(listText(), "7.12.2026  10:00   [10:00] dentist");
}

TEST_F(Missed, AClockSetBackRingsNoMinuteTwiceInARealMinuteAndListsNothing) {
    Options(true, 60, true);
    platform.setTime({2026, 12, 7, 10, 0, 40});
    StartWith({{{12, 7}, "[10:00] first [10:01] second"}});
    EXPECT_EQ(rings(), 1);  // 10:00, at the start
    Ticks(2);               // 10:01:10
    EXPECT_EQ(rings(), 2);
    platform.setClock({2026, 12, 7, 10, 0, 15});
    Ticks(1);  // 10:00:30: 10:00 rang 45 real seconds ago
    EXPECT_EQ(rings(), 2);
    // Set back by hours: the times pass again and ring again, but nothing counts as missed.
    platform.setClock({2026, 12, 7, 8, 0, 0});
    Ticks(4);  // a real minute
    EXPECT_FALSE(listShown());
    platform.setClock({2026, 12, 7, 10, 0, 5});
    EXPECT_EQ(rings(), 3);
    EXPECT_FALSE(listShown());
    // Forward again over minutes the clock had looked at already: no flood.
    platform.setClock({2026, 12, 7, 10, 3, 0});
    EXPECT_FALSE(listShown());
    EXPECT_EQ(rings(), 3);
    EXPECT_EQ(checked(), "2026-12-07 10:03\r\n");
}

TEST_F(Missed, AClockSetBackByDaysForgetsTheMinutesLookedAt) {
    Options(false, 10, true);
    platform.setTime({2026, 12, 9, 9, 0, 0});
    StartWith({{{12, 7}, "[10:00] dentist"}});
    platform.setClock({2026, 12, 7, 9, 0, 0});  // the old time was wrong
    EXPECT_EQ(checked(), "2026-12-07 09:00\r\n");
    platform.resumeAt({2026, 12, 7, 11, 0, 0});
    EXPECT_EQ(listText(), "7.12.2026  10:00   [10:00] dentist");
}

TEST_F(Missed, AClockSetForwardByDaysListsTheLastFiftyWithACountOfTheRest) {
    Options(false, 10, true);
    StartWith({});
    for (auto& row : module->WeekdayAlarms) row = "8:00 12:00 18:00";
    platform.setClock({2026, 12, 27, 9, 0, 0});  // 20 days: 60 alarms
    const std::string text = listText();
    EXPECT_EQ(std::count(text.begin(), text.end(), '\n'), 50);
    EXPECT_EQ(text.substr(0, text.find('\r')), "10.12.2026  18:00   8:00 12:00 18:00");
    EXPECT_NE(text.find("27.12.2026  8:00   8:00 12:00 18:00\r\n... and 10 earlier missed alarms, not listed."),
              std::string::npos);
}

TEST_F(Missed, ASecondListWhileTheFirstIsShownIsAddedBelowIt) {
    Options(false, 10, true);
    StartWith({{{12, 7}, "[10:00] dentist [14:00] bank"}});
    platform.resumeAt({2026, 12, 7, 11, 0, 0});
    platform.resumeAt({2026, 12, 7, 15, 0, 0});
    EXPECT_EQ(listText(),
              "7.12.2026  10:00   [10:00] dentist [14:00] bank\r\n"
              "7.12.2026  14:00   [10:00] dentist [14:00] bank");
}

TEST_F(Missed, ARestartAfterAMissedAlarmListsItOnceAndNeverAgain) {
    Options(false, 10, true);
    StartWith({{{12, 7}, "[10:00] dentist"}});
    RestartAt({2026, 12, 7, 11, 0, 0});
    EXPECT_EQ(listText(), "7.12.2026  10:00   [10:00] dentist");
    EXPECT_EQ(checked(), "2026-12-07 11:00\r\n");
    RestartAt({2026, 12, 7, 11, 5, 0});
    EXPECT_FALSE(listShown());
    // Killed, not ended: the file still says 11:00, and nothing fell due since.
    for (platform::Form* form : platform.forms()) form->close();
    platform.setTime({2026, 12, 7, 11, 30, 0});
    module = std::make_unique<app::Module>(platform);
    ASSERT_TRUE(Start());
    EXPECT_FALSE(listShown());
}

TEST_F(Missed, ARestartWithinTheLateMinutesRingsTheAlarmLateOnceOnly) {
    Options(true, 10, false);
    StartWith({{{12, 7}, "[9:02] pills"}});
    RestartAt({2026, 12, 7, 9, 5, 0});
    EXPECT_EQ(rings(), 1);
    EXPECT_EQ(module->MsgText, "[9:02] pills\r\n\r\n(due at 9:02, 3 minutes ago)");
    RestartAt({2026, 12, 7, 9, 6, 0});
    EXPECT_EQ(rings(), 1);
}

TEST_F(Missed, ARestartInTheMinuteARunRangDoesNotRingItAgain) {
    platform.setTime({2026, 12, 7, 9, 59, 50});
    StartWith({{{12, 7}, "[10:00] dentist"}});
    Ticks(1);
    EXPECT_EQ(rings(), 1);
    RestartAt({2026, 12, 7, 10, 0, 30});
    Ticks(1);
    EXPECT_EQ(rings(), 1);
}

TEST_F(Missed, AFirstStartOrOneWithoutTheFileMissesNothing) {
    Options(true, 60, true);
    StartWith({{{12, 7}, "[8:00] early"}});
    EXPECT_EQ(rings(), 0);
    EXPECT_FALSE(listShown());
    EXPECT_EQ(checked(), "<missing>");  // nothing written until there is something to keep
}

TEST_F(Missed, WithTheOptionsOffARestartListsAndRingsNothingButMovesTheCheckedMinuteOn) {
    StartWith({{{12, 7}, "[10:00] dentist"}});
    RestartAt({2026, 12, 7, 10, 5, 0});
    EXPECT_EQ(rings(), 0);
    EXPECT_FALSE(listShown());
    EXPECT_EQ(checked(), "2026-12-07 10:05\r\n");
}

TEST_F(Missed, TheListsOKAndItsCloseRequestHideIt) {
    Options(false, 10, true);
    StartWith({{{12, 7}, "[10:00] dentist"}});
    platform.resumeAt({2026, 12, 7, 11, 0, 0});
    ASSERT_TRUE(listShown());
    platform.requestClose(module->Clock->missedWindow().form());
    EXPECT_FALSE(listShown());
    // Read-only: typing changes nothing.
    auto& list = *module->Clock->missedWindow().TxtMissed;
    platform.type(list, "x");
    EXPECT_EQ(list.text(), "7.12.2026  10:00   [10:00] dentist");
}

TEST_F(Missed, TheCheckedMinuteIsWrittenAtAlarmsAndHourlyNotAtEveryLook) {
    StartWith({});
    RestartAt({2026, 12, 7, 9, 0, 0});
    EXPECT_EQ(checked(), "2026-12-07 09:00\r\n");
    Ticks(4 * 30);  // half an hour
    EXPECT_EQ(checked(), "2026-12-07 09:00\r\n");
    Ticks(4 * 31);
    EXPECT_EQ(checked(), "2026-12-07 10:00\r\n");
}

TEST_F(Missed, TheClockFollowsWakeUpsAndClockChangesOnlyWhileItLives) {
    ASSERT_TRUE(Start());
    // The screens follow wake-ups too.
    EXPECT_EQ(platform.onResume.size(), 2u);
    EXPECT_EQ(platform.onClockChanged.size(), 1u);
    module->Clock.reset();
    EXPECT_EQ(platform.onResume.size(), 1u);
    EXPECT_EQ(platform.onClockChanged.size(), 0u);
    module.reset();
    EXPECT_EQ(platform.onResume.size(), 0u);
    EXPECT_EQ(platform.onClockChanged.size(), 0u);
    platform.resumeAt({2026, 12, 7, 11, 0, 0});
}

}  // namespace
