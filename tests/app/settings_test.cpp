#include "app/settings.h"

#include <gtest/gtest.h>

#include "app/main_window.h"
#include "app/startup.h"
#include "support/app_fixture.h"

namespace {

using testing_support::AppTest;

TEST(SettingsConversions, ColorStrings) {
    struct Case {
        std::string text;
        unsigned long value;
    };
    const Case cases[] = {
        {"&H0094C2E3", 0x94C2E3}, {"&H94C2E3", 0x94C2E3},  {"&H0", 0}, {"&H00000000", 0}, {"&hff", 0xFF},
        {" &HFFFFFF ", 0xFFFFFF}, {"&H1020B0&", 0x1020B0},
    };
    for (const auto& c : cases) EXPECT_EQ(app::ParseColor(c.text, 7), c.value) << c.text;
    for (const char* bad : {"", "94C2E3", "&H", "&HXYZ", "&H123456789", "red"}) {
        EXPECT_EQ(app::ParseColor(bad, 7), 7u) << bad;
    }
}

TEST(SettingsConversions, ColorsAreWrittenUpperCaseWithoutLeadingZeros) {
    EXPECT_EQ(app::FormatColor(0), "&H0");
    EXPECT_EQ(app::FormatColor(0xFF), "&HFF");
    EXPECT_EQ(app::FormatColor(0x94C2E3), "&H94C2E3");
    EXPECT_EQ(app::FormatColor(0x1020B0), "&H1020B0");
    EXPECT_EQ(app::FormatColor(0xFFFFFF), "&HFFFFFF");
}

TEST(SettingsConversions, NumbersReadFromTheStartOfTheText) {
    struct Case {
        std::string text;
        double value;
    };
    const Case cases[] = {{"8", 8}, {"8.25", 8.25}, {"12pt", 12}, {" 7.5", 7.5}, {"-5", -5},
                          {"", 0},  {"abc", 0},     {".5", 0.5},  {"2", 2},      {"1.6x", 1.6}};
    for (const auto& c : cases) EXPECT_DOUBLE_EQ(app::ParseNumber(c.text), c.value) << c.text;
}

TEST(SettingsConversions, NumbersAreWrittenWithAPointAndNoNeedlessZeros) {
    EXPECT_EQ(app::FormatNumber(8.25), "8.25");
    EXPECT_EQ(app::FormatNumber(12), "12");
    EXPECT_EQ(app::FormatNumber(6.75), "6.75");
    EXPECT_EQ(app::FormatNumber(-5), "-5");
}

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
    ASSERT_TRUE(app::SaveSettings(*module));
    EXPECT_EQ(file("\\Notes.ini"), "05.03.2007\r\nArial\r\n12\r\n1\r\n&HFF\r\n&HFFFFFF\r\n0\r\n1\r\n");
}

TEST_F(Settings, ShortFileKeepsTheValuesOfItsMissingLines) {
    putFile("\\Notes.ini", "RESUME\r\nArial\r\n");
    module->NoteFontSize = "9";
    module->Translucent = 1;
    app::LoadSettings(*module);
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
        app::LoadSettings(*module);
        EXPECT_EQ(module->Translucent, c.expected) << '"' << c.line << '"';
    }
}

TEST_F(Settings, TheCheckBoxMirrorsTranslucent) {
    // The user's clicks reach the value the settings file and the notes read...
    platform.click(*module->Diar->ChkTranslut);
    EXPECT_EQ(module->Translucent, 1);
    ASSERT_TRUE(app::SaveSettings(*module));
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
    ASSERT_TRUE(app::SaveSettings(*module));
    app::Module next(platform);
    ASSERT_TRUE(app::Main(next));
    EXPECT_EQ(next.Diar->ChkTranslut->value(), 1);
}

TEST_F(Settings, FailedSaveReportsAndKeepsTheOldFile) {
    const std::string before = file("\\Notes.ini");
    platform.memoryFiles().setReadOnly(kDataPath);
    module->ResumeMode = "RESUME";
    const auto status = app::SaveSettings(*module);
    EXPECT_FALSE(status.ok);
    EXPECT_EQ(status.error, "Access is denied.");
    EXPECT_EQ(file("\\Notes.ini"), before);
}

}  // namespace
