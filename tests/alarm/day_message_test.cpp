#include "alarm/day_message.h"

#include <gtest/gtest.h>

#include "alarm/clock_fixture.h"
#include "app/tray_icon.h"

namespace {

using testing_support::ClockTest;

std::string VisibleTip(const std::string& field) {
    return field.substr(0, field.find('\0'));
}

// Ten seconds before midnight of Monday 7 December 2026; a yearly note waits for the 8th.
class DayChange : public ClockTest {
protected:
    DayChange() {
        platform.setTime({2026, 12, 7, 23, 59, 50});
        PutNames({{{12, 7}, " Ambroz"}, {{12, 8}, " Marina"}, {{3, 8}, " March name"}});
        PutReminders({{{12, 8}, "Mum's birthday"}, {{3, 8}, "March note"}});
    }
    void SetUp() override { ASSERT_TRUE(Start()); }
};

TEST_F(DayChange, BeforeMidnightTheTrayDescribesAnOrdinaryDay) {
    auto& tray = platform.headlessTray();
    EXPECT_EQ(tray.calls, (std::vector<std::string>{"add"}));
    EXPECT_EQ(tray.icon, *app::NotifyICO(0));
    EXPECT_EQ(VisibleTip(tray.tip), "Ambroz");
    EXPECT_FALSE(messageShown());
}

TEST_F(DayChange, TheFirstLookAfterMidnightRenewsPanelTrayAndDayMessageThenRingsIt) {
    Ticks(1);
    auto& tray = platform.headlessTray();
    EXPECT_EQ(diar().LabToday->caption(), "8.12.2026");
    EXPECT_TRUE(diar().MenuDni[8]->border());
    EXPECT_FALSE(diar().MenuDni[7]->border());
    EXPECT_EQ(tray.calls, (std::vector<std::string>{"add", "remove", "add"}));
    EXPECT_EQ(tray.icon, *app::NotifyICO(1));
    EXPECT_EQ(VisibleTip(tray.tip), "Marina");
    EXPECT_TRUE(messageShown());
    EXPECT_EQ(message().MsgLabel->caption(), "Mum's birthday");
    EXPECT_EQ(message().TitleMsg->caption(), "8. DECEMBER 2026");
    // The day message rang as an alarm in the same look.
    EXPECT_EQ(rings(), 1);
    EXPECT_EQ(module->Clock->LastAlarmMinute, "8.12.2026 0:00");
    Ticks(8);
    EXPECT_EQ(tray.calls.size(), 3u);
    EXPECT_EQ(rings(), 1);
}

TEST_F(DayChange, TheDayMessageAndTrayDescribeTodayWhileAnotherMonthIsShown) {
    module->ShownMonth = 3;
    diar().ShowMonth();
    Ticks(1);
    EXPECT_EQ(diar().Titul->caption(), "MARCH 2026");
    EXPECT_EQ(message().MsgLabel->caption(), "Mum's birthday");
    EXPECT_EQ(VisibleTip(platform.headlessTray().tip), "Marina");
}

TEST_F(DayChange, ATodayActionAfterMidnightDoesNotHideTheNewDate) {
    module->ShownMonth = 11;
    platform.advance(12000);  // 0:00:02, before the clock's next look
    const auto report = diar().ShowToday();
    ASSERT_TRUE(report.failures.empty());
    ASSERT_EQ(diar().LabToday->caption(), "8.12.2026");
    Ticks(1);
    EXPECT_EQ(platform.headlessTray().calls, (std::vector<std::string>{"add", "remove", "add"}));
    EXPECT_EQ(platform.headlessTray().icon, *app::NotifyICO(1));
    EXPECT_TRUE(messageShown());
}

struct ResumeCase {
    const char* resumeMode;
    bool shown;
};

class Resume : public ClockTest, public ::testing::WithParamInterface<ResumeCase> {};

TEST_P(Resume, TheDayMessageShowsUnlessSeenTodayOrSwitchedOff) {
    platform.setTime({2026, 12, 8, 10, 0, 0});
    PutReminders({{{12, 8}, "Mum's birthday"}});
    PutYear(2026, {{{12, 8}, "dentist"}});
    putFile("\\Notes.ini", std::string(GetParam().resumeMode) + "\r\n");
    ASSERT_TRUE(Start());
    EXPECT_EQ(messageShown(), GetParam().shown);
    EXPECT_EQ(platform.headlessTray().icon, *app::NotifyICO(1));
    if (GetParam().shown) {
        EXPECT_EQ(message().MsgLabel->caption(), "dentist\r\n\r\nMum's birthday");
    }
}

INSTANTIATE_TEST_SUITE_P(DayMessage, Resume,
                         ::testing::Values(ResumeCase{"RESUME", false}, ResumeCase{"08.12.2026", false},
                                           ResumeCase{"07.12.2026", true}, ResumeCase{"NORESUME", true}));

TEST_F(ClockTest, ADayWithoutEntriesShowsNothingAndAnEmptyNameDayGivesNoTip) {
    PutNames({{{12, 7}, ""}});
    ASSERT_TRUE(Start());
    EXPECT_FALSE(messageShown());
    EXPECT_EQ(platform.headlessTray().icon, *app::NotifyICO(0));
    EXPECT_EQ(platform.headlessTray().tip.front(), '\0');
}

}  // namespace
