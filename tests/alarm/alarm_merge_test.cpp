// The alarm file in a folder that a sync client keeps the same on two computers.
#include <gtest/gtest.h>

#include "alarm/alarm_settings.h"
#include "alarm_fixture.h"
#include "app/conflict_file.h"

namespace {

using testing_support::AlarmTest;

class AlarmMerge : public AlarmTest {
protected:
    void SetUp() override {
        ASSERT_TRUE(Start());
        other = app::SplitLines(file("\\Alarm"));
        ASSERT_EQ(other.size(), 39u);
    }
    // The other computer's copy, renamed over the file by the sync client.
    void arrive() { putFile("\\Alarm", app::JoinLines(other)); }
    void saveWithOK(const std::function<void()>& edit) {
        openDialog();
        edit();
        platform.dialogs.clear();
        platform.click(*dialog().ButOK);
    }
    std::vector<std::string> other;
};

TEST_F(AlarmMerge, RowsChangedOnEitherComputerAreKeptAndABothSidedChangeRingsBoth) {
    other[0] = " 0 ";        // the sound switched off there
    other[3] = "9:00";       // day 3, changed on both
    other[4] = "6:00";       // day 4, changed there only
    other[32] = "8:15 gym";  // Monday, changed there only
    arrive();
    saveWithOK([&] {
        typeInto(*dialog().AlD[3], "10:30");
        typeInto(*dialog().AlD[5], "7:00");
    });

    const auto written = app::SplitLines(file("\\Alarm"));
    ASSERT_EQ(written.size(), 39u);
    EXPECT_EQ(written[0], " 0 ");
    EXPECT_EQ(written[3], "10:30 <> 9:00");
    EXPECT_EQ(written[4], "6:00");
    EXPECT_EQ(written[5], "7:00");
    EXPECT_EQ(written[32], "8:15 gym");
    // The program rings what it wrote.
    EXPECT_EQ(module->AlarmSound, 0);
    EXPECT_EQ(module->DayAlarms[3], "10:30 <> 9:00");
    EXPECT_EQ(module->WeekdayAlarms[1], "8:15 gym");

    ASSERT_EQ(platform.dialogs.size(), 1u);
    EXPECT_NE(platform.dialogs[0].text.find("day 3."), std::string::npos) << platform.dialogs[0].text;
    EXPECT_EQ(platform.dialogs[0].text.find("day 4"), std::string::npos) << platform.dialogs[0].text;
}

TEST_F(AlarmMerge, BothSoundChangesKeepThisComputersAndTooLongTimesGoToTheConflictFile) {
    const std::string here = "7:00 " + std::string(60, 'h');
    const std::string there = "8:00 " + std::string(60, 't');
    other[0] = " 2 ";
    other[7] = there;
    arrive();
    saveWithOK([&] {
        platform.click(*dialog().ChkSound);  // on to off here
        typeInto(*dialog().AlD[7], here);
    });

    const auto written = app::SplitLines(file("\\Alarm"));
    EXPECT_EQ(written[0], " 0 ");
    EXPECT_EQ(written[7], here);
    const std::string conflicts = file(app::ConflictFile(platform.now()));
    EXPECT_NE(conflicts.find("Alarm, day 7"), std::string::npos) << conflicts;
    EXPECT_NE(conflicts.find(here), std::string::npos);
    EXPECT_NE(conflicts.find(there), std::string::npos);
}

TEST_F(AlarmMerge, AFileCutShortIsWrittenOverNotTakenAsClearedRows) {
    saveWithOK([&] { typeInto(*dialog().AlD[9], "9:09"); });
    putFile("\\Alarm", " 1 \r\n");
    saveWithOK([&] { typeInto(*dialog().AlW[2], "6:45"); });
    const auto written = app::SplitLines(file("\\Alarm"));
    ASSERT_EQ(written.size(), 39u);
    EXPECT_EQ(written[9], "9:09");
    EXPECT_EQ(written[33], "6:45");
}

}  // namespace
