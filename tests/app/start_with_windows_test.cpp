// "Start with Windows": the box is the Startup folder's shortcut. Ticking writes it for this copy
// of the program, clearing removes it, a start has it follow a moved program but leaves it to
// another copy that is still there, and what cannot be done is said with the box left as it is.
#include "app/start_with_windows.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <optional>
#include <string>
#include <vector>

#include "app/main_window.h"
#include "app/startup_shortcut.h"
#include "support/app_fixture.h"

namespace {

using app::StartupShortcut;

TEST(StartupShortcutRule, AStartKeepsItsOwnShortcutFollowsAMoveAndLeavesAnotherCopysAlone) {
    const std::string self = "D:\\Tools\\Orvane\\OrvaneNotes.exe";
    struct Case {
        const char* what;
        std::optional<std::string> target;
        bool targetExists;
        StartupShortcut found;
    };
    const Case cases[] = {
        {"no shortcut", std::nullopt, false, StartupShortcut::None},
        {"a shortcut without a target", std::string(), false, StartupShortcut::None},
        {"this copy", self, true, StartupShortcut::Ours},
        {"this copy, written in other letters", "d:\\tools\\ORVANE/OrvaneNotes.EXE", true, StartupShortcut::Ours},
        {"the folder it was moved from", "C:\\Orvane\\OrvaneNotes.exe", false, StartupShortcut::Moved},
        {"another copy, still there", "C:\\Orvane\\OrvaneNotes.exe", true, StartupShortcut::OtherCopy},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(app::LookAtStartupShortcut(c.target, c.targetExists, self), c.found);
    }
}

TEST(StartupShortcutRule, PathsCompareAsWindowsDoes) {
    EXPECT_TRUE(app::SamePath("C:\\A\\b.exe", "c:/a/B.EXE"));
    EXPECT_FALSE(app::SamePath("C:\\A\\b.exe", "C:\\A\\b.ex"));
    EXPECT_FALSE(app::SamePath("C:\\A\\b.exe", "C:\\AB\\.exe"));
    EXPECT_EQ(app::StartupShortcutPath("C:\\S"), "C:\\S\\Orvane Notes.lnk");
}

class StartWithWindows : public testing_support::AppTest {
protected:
    StartWithWindows() {
        platform.memoryFiles().putFolder(platform.startupFolder);
        platform.memoryFiles().putFile(self(), "MZ");
    }

    std::string self() { return platform.programPath(); }
    std::string shortcutPath() { return app::StartupShortcutPath(platform.startupFolder); }
    std::optional<std::string> target() { return platform.readShortcut(shortcutPath()); }
    platform::Control& box() { return *module->Diar->ChkStartup; }
    void Click() { platform.click(box()); }
    std::size_t Messages() const {
        std::size_t count = 0;
        for (const auto& dialog : platform.dialogs)
            count += dialog.kind == platform::headless::DialogCall::Kind::Message;
        return count;
    }
};

TEST_F(StartWithWindows, IsOffAtFirstAndNothingIsWritten) {
    ASSERT_TRUE(Start());
    EXPECT_EQ(box().value(), 0);
    EXPECT_EQ(platform.memoryFiles().entry(shortcutPath()), platform::EntryKind::None);
}

TEST_F(StartWithWindows, TickingWritesTheShortcutToThisProgramAndClearingRemovesIt) {
    ASSERT_TRUE(Start());
    std::vector<std::string> files = platform.memoryFiles().paths();
    Click();
    // Per computer: the shortcut is the only file written, nothing in the data folder.
    files.push_back(shortcutPath());
    std::sort(files.begin(), files.end());
    EXPECT_EQ(platform.memoryFiles().paths(), files);
    EXPECT_EQ(box().value(), 1);
    const auto written = platform.shortcut(shortcutPath());
    ASSERT_TRUE(written.has_value());
    EXPECT_EQ(written->target, self());
    EXPECT_EQ(written->workingFolder, kProgramFolder);
    EXPECT_TRUE(platform.dialogs.empty());

    Click();
    EXPECT_EQ(box().value(), 0);
    EXPECT_EQ(platform.memoryFiles().entry(shortcutPath()), platform::EntryKind::None);
    EXPECT_TRUE(platform.dialogs.empty());
}

TEST_F(StartWithWindows, TheBoxShowsTheShortcutAtTheNextStart) {
    ASSERT_TRUE(platform.writeShortcut(shortcutPath(), self(), kProgramFolder));
    ASSERT_TRUE(Start());
    EXPECT_EQ(box().value(), 1);
    EXPECT_TRUE(platform.dialogs.empty());
}

TEST_F(StartWithWindows, AShortcutToWhereTheProgramWasFollowsItsMove) {
    ASSERT_TRUE(platform.writeShortcut(shortcutPath(), "E:\\Old place\\OrvaneNotes.exe", "E:\\Old place"));
    ASSERT_TRUE(Start());
    EXPECT_EQ(box().value(), 1);
    const auto updated = platform.shortcut(shortcutPath());
    ASSERT_TRUE(updated.has_value());
    EXPECT_EQ(updated->target, self());
    EXPECT_EQ(updated->workingFolder, kProgramFolder);
}

TEST_F(StartWithWindows, AShortcutToAnotherCopyThatIsStillThereStaysItsOwn) {
    const std::string other = "C:\\Backup\\Orvane\\OrvaneNotes.exe";
    platform.memoryFiles().putFolder("C:\\Backup");
    platform.memoryFiles().putFolder("C:\\Backup\\Orvane");
    platform.memoryFiles().putFile(other, "MZ");
    ASSERT_TRUE(platform.writeShortcut(shortcutPath(), other, "C:\\Backup\\Orvane"));
    ASSERT_TRUE(Start());
    EXPECT_EQ(box().value(), 0);
    EXPECT_EQ(target(), other);
    // Ticking here is asking for this copy: the shortcut is this copy's from then on.
    Click();
    EXPECT_EQ(box().value(), 1);
    EXPECT_EQ(target(), self());
}

TEST_F(StartWithWindows, AMovedProgramWhoseShortcutCannotBeUpdatedStartsWithTheBoxClearAndSilent) {
    const std::string old = "E:\\Old place\\OrvaneNotes.exe";
    ASSERT_TRUE(platform.writeShortcut(shortcutPath(), old, "E:\\Old place"));
    platform.memoryFiles().setReadOnly(platform.startupFolder);
    ASSERT_TRUE(Start());
    EXPECT_EQ(box().value(), 0);
    EXPECT_EQ(target(), old);
    EXPECT_TRUE(platform.dialogs.empty());
}

TEST_F(StartWithWindows, FromARemovableDriveTickingAsksFirst) {
    platform.removableDrives = {"C:"};
    ASSERT_TRUE(Start());
    platform.answerYesNo(false);
    Click();
    ASSERT_EQ(platform.dialogs.size(), 1u);
    EXPECT_EQ(platform.dialogs[0].kind, platform::headless::DialogCall::Kind::YesNo);
    EXPECT_NE(platform.dialogs[0].text.find("removable drive (C:)"), std::string::npos);
    EXPECT_EQ(box().value(), 0);
    EXPECT_EQ(platform.memoryFiles().entry(shortcutPath()), platform::EntryKind::None);

    platform.answerYesNo(true);
    Click();
    EXPECT_EQ(platform.dialogs.size(), 2u);
    EXPECT_EQ(box().value(), 1);
    EXPECT_EQ(target(), self());
    // Clearing asks nothing.
    Click();
    EXPECT_EQ(platform.dialogs.size(), 2u);
    EXPECT_EQ(box().value(), 0);
}

TEST_F(StartWithWindows, AShortcutThatCannotBeWrittenIsSaidAndTheBoxStaysClear) {
    ASSERT_TRUE(Start());
    platform.memoryFiles().setReadOnly(platform.startupFolder);
    Click();
    EXPECT_EQ(box().value(), 0);
    ASSERT_EQ(Messages(), 1u);
    const std::string& text = platform.dialogs.back().text;
    EXPECT_NE(text.find("could not be written"), std::string::npos);
    EXPECT_NE(text.find(shortcutPath()), std::string::npos);
    EXPECT_NE(text.find("does not start with Windows"), std::string::npos);
    EXPECT_EQ(platform.memoryFiles().entry(shortcutPath()), platform::EntryKind::None);
    EXPECT_EQ(platform.memoryFiles().entry(shortcutPath() + ".tmp"), platform::EntryKind::None);
    // Once the folder can be written again, ticking works.
    platform.memoryFiles().setReadOnly(platform.startupFolder, false);
    Click();
    EXPECT_EQ(box().value(), 1);
    EXPECT_EQ(Messages(), 1u);
}

TEST_F(StartWithWindows, AShortcutThatCannotBeRemovedIsSaidAndTheBoxStaysTicked) {
    ASSERT_TRUE(Start());
    Click();
    ASSERT_EQ(box().value(), 1);
    platform.memoryFiles().setReadOnly(platform.startupFolder);
    Click();
    EXPECT_EQ(box().value(), 1);
    ASSERT_EQ(Messages(), 1u);
    EXPECT_NE(platform.dialogs.back().text.find("could not be removed"), std::string::npos);
    EXPECT_EQ(target(), self());
}

TEST_F(StartWithWindows, WithoutAStartupFolderTickingSaysSo) {
    platform.startupFolder.clear();
    ASSERT_TRUE(Start());
    EXPECT_EQ(box().value(), 0);
    Click();
    EXPECT_EQ(box().value(), 0);
    ASSERT_EQ(Messages(), 1u);
    EXPECT_NE(platform.dialogs.back().text.find("Startup folder"), std::string::npos);
}

TEST_F(StartWithWindows, AMissingStartupFolderIsMadeWhenTicking) {
    platform.startupFolder += "\\Fresh";
    ASSERT_TRUE(Start());
    Click();
    EXPECT_EQ(box().value(), 1);
    EXPECT_EQ(target(), self());
}

}  // namespace

namespace {

bool Overlap(const platform::Rect& a, const platform::Rect& b) {
    return a.x < b.x + b.w && b.x < a.x + a.w && a.y < b.y + b.h && b.y < a.y + a.h;
}

class BesideTranslucent : public testing_support::AppTest, public ::testing::WithParamInterface<double> {};

TEST_P(BesideTranslucent, TheBoxSitsUnderTranslucentAndCoversNothing) {
    platform.setScreen({2560, 1600, GetParam(), GetParam(), {{0, 0, 2560, 1600}}});
    ASSERT_TRUE(Start());
    app::FrmDiar& diar = *module->Diar;
    const platform::Rect translucent = diar.ChkTranslut->rect();
    const platform::Rect startup = diar.ChkStartup->rect();
    EXPECT_EQ(startup.x, translucent.x);
    EXPECT_EQ(startup.w, translucent.w);
    // Each edge is rounded on its own, so boxes of one height may differ by a pixel.
    EXPECT_NEAR(startup.h, translucent.h, 1);
    EXPECT_GE(startup.y, translucent.y + translucent.h);
    EXPECT_LE(startup.y + startup.h, diar.form().bounds().h);
    for (const auto& control : diar.form().controls()) {
        if (control.get() == diar.ChkTranslut || control.get() == diar.ChkStartup) continue;
        SCOPED_TRACE(control->name());
        EXPECT_FALSE(Overlap(control->rect(), translucent));
        EXPECT_FALSE(Overlap(control->rect(), startup));
    }
}

INSTANTIATE_TEST_SUITE_P(Screens, BesideTranslucent, ::testing::Values(15.0, 12.0, 10.0, 7.5));

}  // namespace
