// What another computer writes into a synced data folder while the program runs shows without a
// restart: at the clock's next minute, or when the calendar is shown from the tray.
#include "app/outside_changes.h"

#include <gtest/gtest.h>

#include "alarm/alarm_dialog.h"
#include "app/datafiles.h"
#include "app/main_window.h"
#include "app/tray_icon.h"
#include "support/app_fixture.h"

namespace {

using testing_support::AppTest;

class OutsideChanges : public AppTest {
protected:
    void SetUp() override {
        platform.setTime({2026, 12, 7, 10, 0, 0});
        putFile("\\Diary\\2026", app::JoinLines(std::vector<std::string>(372, "#####")));
        ASSERT_TRUE(Start());
        platform.advance(15000);  // the clock's first look of the run
    }
    // Rewrites line `index` (0-based) of a data file, as the sync client renames a new copy over it.
    void arrive(const std::string& name, std::size_t index, const std::string& line) {
        ASSERT_NE(file(name), "<missing>") << name;
        auto lines = app::SplitLines(file(name));
        ASSERT_LT(index, lines.size()) << name;
        lines[index] = line;
        putFile(name, app::JoinLines(lines));
    }
};

TEST_F(OutsideChanges, AlarmsNameDaysAndSettingsArriveAtTheNextMinute) {
    arrive("\\Alarm", 3, "9:00 arrived");
    arrive("\\Names", 0, "*New Year");
    arrive("\\Notes.ini", 1, "Tahoma");
    platform.advance(30000);  // the same minute: nothing is looked at yet
    EXPECT_EQ(module->DayAlarms[3], "");
    platform.advance(15000);
    EXPECT_EQ(module->DayAlarms[3], "9:00 arrived");
    EXPECT_EQ(module->Names(1, 1), "*New Year");
    EXPECT_EQ(module->NoteFontName, "Tahoma");
}

TEST_F(OutsideChanges, AWakeUpTakesInWhatArrivedAtOnce) {
    arrive("\\Alarm", 3, "9:00 arrived");
    // Still the minute of the last look: only the wake-up itself can have read the file.
    platform.resumeAt({2026, 12, 7, 10, 0, 20});
    EXPECT_EQ(module->DayAlarms[3], "9:00 arrived");
}

TEST_F(OutsideChanges, AlarmsWaitWhileTheAlarmDialogIsOpen) {
    module->Diar->form().show();
    platform.click(*module->AlarmDialog->ButAlarm);
    arrive("\\Alarm", 3, "9:00 arrived");
    platform.advance(60000);
    EXPECT_EQ(module->DayAlarms[3], "");
    module->AlarmDialog->form().hide();
    platform.trayMessage(app::kTrayRightPress);
    EXPECT_EQ(module->DayAlarms[3], "9:00 arrived");
}

TEST_F(OutsideChanges, DayLinesArriveOnlyWhileTheCalendarIsHidden) {
    const std::string year = "\\Diary\\2026";
    module->Diar->form().show();
    arrive(year, 0, "#####arrived");
    platform.advance(60000);
    EXPECT_EQ(module->Diary(1, 1), "#####") << "a shown calendar may have a line being typed";
    platform.click(*module->Diar->Minimalizator);
    platform.trayMessage(app::kTrayRightPress);
    EXPECT_EQ(module->Diary(1, 1), "#####arrived");
    EXPECT_EQ(app::SplitLines(file(year))[0], "#####arrived") << "the hide kept what arrived";
}

}  // namespace
