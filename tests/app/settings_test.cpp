#include "app/settings.h"

#include <gtest/gtest.h>

#include "app/datafiles.h"
#include "app/main_window.h"
#include "app/startup.h"
#include "support/app_fixture.h"

namespace {

using testing_support::AppTest;

class Settings : public AppTest {
protected:
    void SetUp() override { ASSERT_TRUE(Start()); }
};

TEST_F(Settings, FirstRunWritesTheEightDefaultLines) {
    EXPECT_EQ(file("\\Notes.ini"), "NORESUME\r\nMS Sans Serif\r\n8\r\n0\r\n&H00000000\r\n&H0094C2E3\r\n2\r\n0\r\n");
    EXPECT_EQ(module->NoteBackColor, "&H0094C2E3");
    EXPECT_EQ(module->Translucent, 0);
    EXPECT_EQ(module->Diar->ChkTranslut->value(), 0);
}

TEST_F(Settings, SaveWritesValuesAndTheCheckBox) {
    module->ResumeMode = "05.03.2007";
    module->NoteFontName = "Arial";
    module->NoteFontSize = "12";
    module->NoteFontBold = "1";
    module->NoteForeColor = "&HFF";
    module->NoteBackColor = "&HFFFFFF";
    module->NoteAlignment = "0";
    module->Translucent = 1;
    ASSERT_TRUE(app::SaveSettings(platform.memoryFiles(), *module));
    EXPECT_EQ(file("\\Notes.ini"), "05.03.2007\r\nArial\r\n12\r\n1\r\n&HFF\r\n&HFFFFFF\r\n0\r\n1\r\n");
}

TEST_F(Settings, ShortFileKeepsTheValuesOfItsMissingLines) {
    putFile("\\Notes.ini", "RESUME\r\nArial\r\n");
    module->NoteFontSize = "9";
    module->Translucent = 1;
    app::LoadSettings(platform.memoryFiles(), *module);
    EXPECT_EQ(module->ResumeMode, "RESUME");
    EXPECT_EQ(module->NoteFontName, "Arial");
    EXPECT_EQ(module->NoteFontSize, "9");
    EXPECT_EQ(module->Translucent, 1);
}

TEST_F(Settings, LineEightSetsTranslucentOnlyWithAValidState) {
    struct Case {
        std::string line;
        int expected;  // starting from 1
    };
    const Case cases[] = {{"0", 0}, {"1", 1}, {"2", 2}, {"", 1}, {"7", 1}, {"-1", 1}, {"yes", 1}, {" 0 ", 0}};
    for (const auto& c : cases) {
        module->Translucent = 1;
        putFile("\\Notes.ini", "NORESUME\r\nA\r\n8\r\n0\r\n&H0\r\n&H0\r\n2\r\n" + c.line + "\r\n");
        app::LoadSettings(platform.memoryFiles(), *module);
        EXPECT_EQ(module->Translucent, c.expected) << '"' << c.line << '"';
    }
}

TEST_F(Settings, TheCheckBoxMirrorsTranslucent) {
    // The user's clicks reach the value the settings file and the notes read...
    platform.click(*module->Diar->ChkTranslut);
    EXPECT_EQ(module->Translucent, 1);
    ASSERT_TRUE(app::SaveSettings(platform.memoryFiles(), *module));
    EXPECT_TRUE(file("\\Notes.ini").ends_with("\r\n1\r\n"));
    platform.click(*module->Diar->ChkTranslut);
    EXPECT_EQ(module->Translucent, 0);
    // ...and a value read at start-up shows in the box, greyed included.
    putFile("\\Notes.ini", "NORESUME\r\nA\r\n8\r\n0\r\n&H0\r\n&H0\r\n2\r\n2\r\n");
    app::Module next(platform);
    ASSERT_TRUE(app::Main(next));
    EXPECT_EQ(next.Translucent, 2);
    EXPECT_EQ(next.Diar->ChkTranslut->value(), 2);
}

TEST_F(Settings, ClearingTranslucentIsRememberedForTheRun) {
    auto& box = *module->Diar->ChkTranslut;
    box.setValue(1);
    EXPECT_FALSE(module->TranslucentCleared);
    box.setValue(0);
    EXPECT_TRUE(module->TranslucentCleared);
    box.setValue(1);
    EXPECT_TRUE(module->TranslucentCleared);
}

TEST_F(Settings, CheckedTranslucentSurvivesARestart) {
    module->Diar->ChkTranslut->setValue(1);
    ASSERT_TRUE(app::SaveSettings(platform.memoryFiles(), *module));
    app::Module next(platform);
    ASSERT_TRUE(app::Main(next));
    EXPECT_EQ(next.Diar->ChkTranslut->value(), 1);
}

TEST_F(Settings, FailedSaveReportsAndKeepsTheOldFile) {
    const std::string before = file("\\Notes.ini");
    platform.memoryFiles().setReadOnly(kDataPath);
    module->ResumeMode = "RESUME";
    const auto status = app::SaveSettings(platform.memoryFiles(), *module);
    EXPECT_FALSE(status.ok);
    EXPECT_EQ(status.error, "Access is denied.");
    EXPECT_EQ(file("\\Notes.ini"), before);
}

}  // namespace

namespace {

// The settings file in a folder that a sync client keeps the same on two computers.
struct DayMessageCase {
    const char* ours;
    const char* theirs;
    const char* kept;
};

class SettingsMerge : public Settings, public ::testing::WithParamInterface<DayMessageCase> {};

TEST_P(SettingsMerge, ALineChangedOnlyThereIsTakenAndTheLaterDismissalWins) {
    auto other = app::SplitLines(file("\\Notes.ini"));
    ASSERT_EQ(other.size(), 8u);
    other[0] = GetParam().theirs;
    other[1] = "Tahoma";  // the default font, changed there only
    other[2] = "14";      // its size, changed on both
    putFile("\\Notes.ini", app::JoinLines(other));
    module->ResumeMode = GetParam().ours;
    module->NoteFontSize = "10";

    ASSERT_TRUE(app::SaveSettings(platform.memoryFiles(), *module));
    const auto written = app::SplitLines(file("\\Notes.ini"));
    ASSERT_EQ(written.size(), 8u);
    EXPECT_EQ(written[0], GetParam().kept);
    EXPECT_EQ(written[1], "Tahoma");
    EXPECT_EQ(written[2], "10");
    EXPECT_EQ(module->NoteFontName, "Tahoma");
    EXPECT_EQ(module->ResumeMode, GetParam().kept);
}

INSTANTIATE_TEST_SUITE_P(DayMessage, SettingsMerge,
                         ::testing::Values(DayMessageCase{"NORESUME", "07.12.2026", "07.12.2026"},
                                           DayMessageCase{"06.12.2026", "07.12.2026", "07.12.2026"},
                                           DayMessageCase{"07.12.2026", "06.12.2026", "07.12.2026"},
                                           DayMessageCase{"31.12.2025", "01.01.2026", "01.01.2026"},
                                           DayMessageCase{"07.12.2026", "NORESUME", "07.12.2026"},
                                           DayMessageCase{"RESUME", "07.12.2026", "RESUME"}));

TEST_F(Settings, AFileCutShortIsWrittenOverNotMerged) {
    module->NoteFontName = "Verdana";
    putFile("\\Notes.ini", "NORESUME\r\n");
    ASSERT_TRUE(app::SaveSettings(platform.memoryFiles(), *module));
    const auto written = app::SplitLines(file("\\Notes.ini"));
    ASSERT_EQ(written.size(), 8u);
    EXPECT_EQ(written[1], "Verdana");
}

}  // namespace
