#include <gtest/gtest.h>

#include "note_fixture.h"

namespace {

using platform::kAlt;
using platform::kCtrl;
using platform::kShift;
using platform::headless::DialogCall;
using platform::headless::MemoryFileSystem;
using testing_support::NoteTest;

constexpr const char* kDesktop = "C:\\Users\\User\\Desktop";

class NoteExport : public NoteTest {
protected:
    void SetUp() override {
        platform.memoryFiles().putFolder(kDesktop);
        platform.setTime({2007, 3, 5, 14, 25, 30});
        ASSERT_TRUE(Start());
        note = &OpenNewNote();
        note->NoteText->setText("first\r\nsecond");
    }
    std::optional<std::string> Desktop(const std::string& name) {
        return platform.memoryFiles().file(std::string(kDesktop) + "\\" + name);
    }
    notes::FrmNote* note = nullptr;
};

TEST_F(NoteExport, EscWritesATimeStampedFileAndKeepsTheNote) {
    const std::string record = Record(40);
    platform.keyDown(*note->NoteText, platform::kKeyEscape);
    EXPECT_EQ(Desktop("Note 070305 142530.txt"), "first\r\nsecond");
    EXPECT_FALSE(note->closed());
    EXPECT_EQ(Record(40), record);
    EXPECT_TRUE(platform.dialogs.empty());
}

TEST_F(NoteExport, SecondExportInTheSameSecondReplacesTheFirst) {
    platform.keyDown(*note->NoteText, platform::kKeyEscape);
    note->NoteText->setText("changed");
    platform.keyDown(*note->NoteText, platform::kKeyEscape);
    EXPECT_EQ(Desktop("Note 070305 142530.txt"), "changed");
}

TEST_F(NoteExport, EmptyNoteGivesAnEmptyFile) {
    note->NoteText->setText("");
    platform.keyDown(*note->NoteText, platform::kKeyEscape);
    EXPECT_EQ(Desktop("Note 070305 142530.txt"), "");
}

TEST_F(NoteExport, CtrlAltEscExportsAndRemovesTheNote) {
    platform.keyDown(*note->NoteText, platform::kKeyEscape, kCtrl | kAlt);
    EXPECT_EQ(Desktop("Note 070305 142530.txt"), "first\r\nsecond");
    EXPECT_TRUE(note->closed());
    EXPECT_EQ(Record(40), "");
}

TEST_F(NoteExport, ShiftEscAsksForANameAtTheNotesCornerAndLeavesTopMost) {
    platform.click(*note->ButMini);
    platform.answerInput("shopping");
    platform.keyDown(*note->NoteText, platform::kKeyEscape, kShift);
    ASSERT_EQ(platform.dialogs.size(), 1u);
    const DialogCall& box = platform.dialogs[0];
    EXPECT_EQ(box.kind, DialogCall::Kind::Input);
    EXPECT_EQ(box.title, "Save");
    EXPECT_EQ(box.text, "Enter filename");
    EXPECT_EQ(box.x, 80);
    EXPECT_EQ(box.y, 80);
    EXPECT_EQ(Desktop("shopping.txt"), "first\r\nsecond");
    EXPECT_FALSE(note->form().topMost());
    EXPECT_FALSE(note->closed());
}

TEST_F(NoteExport, CancelOrEmptyNameExportsNothingAndKeepsTheNote) {
    platform.answerInput(std::nullopt);
    platform.answerInput("");
    platform.keyDown(*note->NoteText, platform::kKeyEscape, kShift);
    platform.keyDown(*note->NoteText, platform::kKeyEscape, kCtrl | kAlt | kShift);
    EXPECT_EQ(platform.memoryFiles().listFiles(kDesktop).size(), 0u);
    EXPECT_FALSE(note->closed());
    EXPECT_EQ(Record(40).size(), 70u);
}

TEST_F(NoteExport, OtherModifiersWithEscDoNothing) {
    for (int shift : {int{kCtrl}, int{kAlt}, kCtrl | kShift, kAlt | kShift})
        platform.keyDown(*note->NoteText, platform::kKeyEscape, shift);
    EXPECT_TRUE(platform.memoryFiles().listFiles(kDesktop).empty());
    EXPECT_TRUE(platform.dialogs.empty());
}

TEST_F(NoteExport, TypedAutoNameMeansTheAutomaticName) {
    platform.answerInput("*auto*");
    platform.keyDown(*note->NoteText, platform::kKeyEscape, kShift);
    EXPECT_EQ(Desktop("Note 070305 142530.txt"), "first\r\nsecond");
}

class BadExportName : public NoteExport, public ::testing::WithParamInterface<std::string> {};

TEST_P(BadExportName, IsRefusedWithTheSaveBoxAndTheNoteIsKeptEvenWhenRemovalWasAsked) {
    platform.answerInput(GetParam());
    platform.keyDown(*note->NoteText, platform::kKeyEscape, kCtrl | kAlt | kShift);
    ASSERT_EQ(platform.dialogs.size(), 2u);
    EXPECT_EQ(platform.dialogs[1].kind, DialogCall::Kind::Message);
    EXPECT_EQ(platform.dialogs[1].title, "Save");
    EXPECT_EQ(platform.dialogs[1].icon, platform::MessageIcon::Stop);
    EXPECT_FALSE(note->closed());
    EXPECT_EQ(Record(40).size(), 70u);
    // Nothing was written anywhere: only the data files exist.
    for (const auto& path : platform.memoryFiles().paths()) {
        EXPECT_EQ(path.rfind(kDataPath, 0), 0u) << path;
    }
}

INSTANTIATE_TEST_SUITE_P(Names, BadExportName,
                         ::testing::Values("what?", "..\\escape", "sub/name", "C:notes", "a*b", "say \"hi\"", "<x>",
                                           "pipe|d", std::string("tab\tname"), "CON", "nul", "Com1", "lpt9",
                                           "aux.backup"));

TEST(ExportName, PlainNamesAreAccepted) {
    for (const char* name : {"shopping", "Note 1", "conference", "COM10", "a.b",
                             // One literal would read "\xe8a" as one escape: the literal ends after the \xe8.
                             "\xe8"  // NOLINT(bugprone-suspicious-missing-comma)
                             "ast"}) {
        EXPECT_TRUE(notes::IsPlainFileName(name)) << name;
    }
}

TEST_F(NoteExport, FailedWriteShowsTheSystemsReasonAndKeepsTheNote) {
    platform.memoryFiles().setReadOnly(kDesktop);
    platform.keyDown(*note->NoteText, platform::kKeyEscape, kCtrl | kAlt);
    ASSERT_EQ(platform.dialogs.size(), 1u);
    EXPECT_EQ(platform.dialogs[0].title, "Save");
    EXPECT_EQ(platform.dialogs[0].icon, platform::MessageIcon::Stop);
    EXPECT_NE(platform.dialogs[0].text.find("Note 070305 142530.txt"), std::string::npos);
    EXPECT_FALSE(note->closed());
    EXPECT_EQ(Record(40).size(), 70u);
}

TEST_F(NoteExport, FailedRemovalAfterTheExportKeepsTheNote) {
    platform.memoryFiles().setReadOnly(kDataPath);
    platform.keyDown(*note->NoteText, platform::kKeyEscape, kCtrl | kAlt);
    EXPECT_EQ(Desktop("Note 070305 142530.txt"), "first\r\nsecond");
    EXPECT_FALSE(note->closed());
    ASSERT_EQ(platform.dialogs.size(), 1u);
    EXPECT_EQ(platform.dialogs[0].title, "Save");
    EXPECT_NE(platform.dialogs[0].text.find(data("\\Notes")), std::string::npos);
}

TEST_F(NoteExport, DesktopFolderGetsExactlyOneTrailingBackslash) {
    EXPECT_EQ(note->SysFolders(0), std::string(kDesktop) + "\\");
    platform.desktopFolder = "D:\\";
    EXPECT_EQ(note->SysFolders(0), "D:\\");
    platform.desktopFolder = "";
    EXPECT_EQ(note->SysFolders(0), "");
    EXPECT_EQ(note->SysFolders(5), "");
}

class NoteTranslucency : public NoteTest {
protected:
    void SetUp() override { ASSERT_TRUE(Start()); }
};

TEST_F(NoteTranslucency, OffMeansNewNotesOpenOpaqueAndRightPressChangesNothing) {
    notes::FrmNote& note = OpenNewNote();
    EXPECT_FALSE(note.form().layered());
    platform.click(*note.LabelTit, platform::kRightButton);
    platform.click(*note.LabelTit, platform::kLeftButton);
    EXPECT_FALSE(note.form().layered());
}

TEST_F(NoteTranslucency, OnMeansNewNotesOpenTranslucent) {
    SetTranslucent(true);
    notes::FrmNote& note = OpenNewNote();
    EXPECT_TRUE(note.form().layered());
    EXPECT_EQ(note.form().opacity(), 180);
}

TEST_F(NoteTranslucency, AfterClearingALeftPressStillMakesOpaqueButARightPressNoLongerTranslucent) {
    SetTranslucent(true);
    notes::FrmNote& note = OpenNewNote();
    SetTranslucent(false);
    EXPECT_TRUE(module->TranslucentCleared);
    EXPECT_EQ(note.form().opacity(), 180);  // the check box itself changes no note
    platform.click(*note.LabelTit, platform::kLeftButton);
    EXPECT_EQ(note.form().opacity(), 255);
    platform.click(*note.LabelTit, platform::kRightButton);
    EXPECT_EQ(note.form().opacity(), 255);
}

}  // namespace
