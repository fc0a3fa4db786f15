#include "alarm/alarm_settings.h"

#include <gtest/gtest.h>

#include "alarm_fixture.h"
#include "app/startup.h"

namespace {

using platform::headless::DialogCall;
using testing_support::AlarmTest;

std::string Lines(const std::vector<std::string>& values) {
    return app::JoinLines(values);
}

class AlarmSettings : public AlarmTest {};

TEST_F(AlarmSettings, FirstStartWritesTheSoundOnAndThirtyEightEmptyLines) {
    ASSERT_TRUE(Start());
    EXPECT_EQ(file("\\Alarm"), " 1 \r\n" + Lines(std::vector<std::string>(38, "")));
    EXPECT_EQ(module->AlarmSound, 1);
}

struct LoadCase {
    const char* name;
    std::string content;
    int sound;           // after the load, from the sound on at start
    const char* day1;    // DayAlarms(1)
    const char* day31;   // DayAlarms(31)
    const char* sunday;  // WeekdayAlarms(7)
};

class AlarmFileLoad : public AlarmTest, public ::testing::WithParamInterface<LoadCase> {};

TEST_P(AlarmFileLoad, TakesWhatTheFileGivesAndLeavesItAsItIs) {
    putFile("\\Alarm", GetParam().content);
    ASSERT_TRUE(Start());
    EXPECT_EQ(module->AlarmSound, GetParam().sound);
    EXPECT_EQ(dialog().ChkSound->value(), GetParam().sound);
    EXPECT_EQ(module->DayAlarms[1], GetParam().day1);
    EXPECT_EQ(module->DayAlarms[31], GetParam().day31);
    EXPECT_EQ(module->WeekdayAlarms[7], GetParam().sunday);
    EXPECT_EQ(file("\\Alarm"), GetParam().content);
}

std::string FullFile(const std::string& soundLine) {
    std::vector<std::string> lines{soundLine};
    for (int day = 1; day <= 31; ++day) lines.push_back(std::to_string(day % 24) + ":00");
    for (int weekday = 1; weekday <= 7; ++weekday) lines.push_back("w" + std::to_string(weekday));
    return Lines(lines);
}

INSTANTIATE_TEST_SUITE_P(Files, AlarmFileLoad,
                         ::testing::Values(LoadCase{"Whole", FullFile(" 0 "), 0, "1:00", "7:00", "w7"},
                                           LoadCase{"FewerLines", Lines({" 0 ", "7:30"}), 0, "7:30", "", ""},
                                           LoadCase{"NonNumericFirstLine", Lines({"on", "7:30"}), 1, "7:30", "", ""},
                                           LoadCase{"EmptyFirstLine", FullFile(""), 1, "1:00", "7:00", "w7"},
                                           LoadCase{"LfLineEnds", " 0 \n7:30\n", 1, "", "", ""},
                                           LoadCase{"Empty", "", 1, "", "", ""}),
                         [](const auto& test) { return std::string(test.param.name); });

TEST_F(AlarmSettings, AHiddenAlarmFileIsReadAndNeverReplaced) {
    const std::string hidden = Lines({" 0 ", "6:00 hidden"});
    platform.memoryFiles().putFile(data("\\Alarm"), hidden, true);
    ASSERT_TRUE(Start());
    EXPECT_EQ(file("\\Alarm"), hidden);
    EXPECT_EQ(module->AlarmSound, 0);
    EXPECT_EQ(module->DayAlarms[1], "6:00 hidden");
}

TEST_F(AlarmSettings, AFolderOfThatNameIsLeftAloneAndTheProgramStarts) {
    platform.memoryFiles().putFolder(kDataPath);
    platform.memoryFiles().putFolder(data("\\Alarm"));
    ASSERT_TRUE(Start());
    EXPECT_EQ(module->AlarmSound, 1);
    EXPECT_TRUE(platform.memoryFiles().hasFolder(data("\\Alarm")));
    EXPECT_TRUE(platform.dialogs.empty());
}

TEST_F(AlarmSettings, AnUnwritableFolderStartsQuietlyWithTheSoundOn) {
    platform.memoryFiles().putFolder(kDataPath);
    platform.memoryFiles().setReadOnly(kDataPath);
    ASSERT_TRUE(Start());
    EXPECT_EQ(file("\\Alarm"), "<missing>");
    EXPECT_EQ(module->AlarmSound, 1);
    EXPECT_EQ(dialog().ChkSound->value(), 1);
}

TEST_F(AlarmSettings, TheSoundFileIsNeverMadeNorTouched) {
    ASSERT_TRUE(Start());
    EXPECT_EQ(file("\\Alarm.wav"), "<missing>");

    app::Module again(platform);
    putFile("\\Alarm.wav", "RIFF of the user's own");
    ASSERT_TRUE(app::Main(again));
    platform.click(*again.Diar->Minimalizator);
    EXPECT_EQ(file("\\Alarm.wav"), "RIFF of the user's own");
}

class AlarmsSavedAtTheEnd : public AlarmTest {
protected:
    void SetUp() override {
        ASSERT_TRUE(Start());
        module->Diar->form().show();
        module->DayAlarms[24] = "18:00 carols";
        module->WeekdayAlarms[2] = "7:00";
        module->AlarmSound = 0;
    }
    void expectSaved() {
        EXPECT_EQ(alarmLine(1), " 0 ");
        EXPECT_EQ(alarmLine(25), "18:00 carols");
        EXPECT_EQ(alarmLine(34), "7:00");
    }
    // Only the alarm file's write fails (the diary is unchanged, so it is the first write).
    void failTheAlarmWrite() { platform.memoryFiles().failNext(platform::headless::MemoryFileSystem::Op::Write); }
};

TEST_F(AlarmsSavedAtTheEnd, ByHideExitAndTheSessionsEnd) {
    platform.click(*module->Diar->Minimalizator);
    expectSaved();

    putFile("\\Alarm", "");
    platform.answerYesNo(false);
    platform.click(*module->Diar->Exitor);
    expectSaved();

    putFile("\\Alarm", "");
    platform.endSession();
    expectSaved();
}

TEST_F(AlarmsSavedAtTheEnd, HideReportsAFailedAlarmWrite) {
    failTheAlarmWrite();
    platform.click(*module->Diar->Minimalizator);
    ASSERT_EQ(platform.dialogs.size(), 1u);
    EXPECT_EQ(platform.dialogs[0].kind, DialogCall::Kind::Message);
    EXPECT_NE(platform.dialogs[0].text.find(data("\\Alarm")), std::string::npos) << platform.dialogs[0].text;
    EXPECT_EQ(platform.dialogs[0].text.find(data("\\Notes.ini")), std::string::npos) << platform.dialogs[0].text;
    EXPECT_EQ(module->DayAlarms[24], "18:00 carols");
}

TEST_F(AlarmsSavedAtTheEnd, ExitAsksBeforeEndingOverAFailedAlarmWrite) {
    failTheAlarmWrite();
    platform.answerYesNo(false);
    platform.click(*module->Diar->Exitor);
    ASSERT_EQ(platform.dialogs.size(), 1u);
    EXPECT_EQ(platform.dialogs[0].kind, DialogCall::Kind::YesNo);
    EXPECT_NE(platform.dialogs[0].text.find(data("\\Alarm")), std::string::npos) << platform.dialogs[0].text;
    EXPECT_FALSE(platform.quitRequested);

    platform.answerYesNo(true);
    platform.click(*module->Diar->Exitor);
    expectSaved();
    EXPECT_TRUE(platform.quitRequested);
}

}  // namespace
