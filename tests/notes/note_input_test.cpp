// A note's input as the user gives it: a change without a key, Alt+F4, the grip's focus and Tab.
#include <gtest/gtest.h>

#include "app/session.h"
#include "note_fixture.h"
#include "notes/notes_database.h"

namespace {

using platform::kLeftButton;
using platform::kShift;
using testing_support::NoteTest;

class NoteInput : public NoteTest {
protected:
    void SetUp() override { ASSERT_TRUE(Start()); }
};

TEST_F(NoteInput, PasteWithoutAKeyStartsTheAutosaveCountdown) {
    notes::FrmNote& note = OpenNewNote();
    platform.focus(*note.NoteText);
    platform.paste(*note.NoteText, "from the menu");
    EXPECT_TRUE(note.SavePending());
    platform.advance(4500);
    EXPECT_EQ(notes::NoteTextOf(Record(40)), "");
    platform.advance(500);
    EXPECT_EQ(notes::NoteTextOf(Record(40)), "from the menu");
}

TEST_F(NoteInput, CutWithoutAKeyIsSavedAtTheEnd) {
    StoreRecord(3, StoredNote(100, 100, 200, 150, "keep this"));
    module->NoteRecNo = 3;
    module->NoteRecord = Record(3);
    notes::OpenNoteWindow(*module);
    notes::FrmNote& note = *module->Notes.back();
    platform.focus(*note.NoteText);
    note.NoteText->select(4, 5);
    platform.cut(*note.NoteText);
    EXPECT_TRUE(note.SavePending());
    app::SaveBeforeEnd(*module);
    EXPECT_EQ(notes::NoteTextOf(Record(3)), "keep");
}

TEST_F(NoteInput, ProgramSetTextStartsNoCountdown) {
    notes::FrmNote& note = OpenNewNote();
    note.NoteText->setText("by the program");
    EXPECT_FALSE(note.SavePending());
}

TEST_F(NoteInput, CloseRequestSavesNowAndTheNoteStaysOpen) {
    StoreRecord(2, StoredNote(100, 100, 200, 150, "stored"));
    module->NoteRecNo = 2;
    module->NoteRecord = Record(2);
    notes::OpenNoteWindow(*module);
    notes::FrmNote& note = *module->Notes.back();
    platform.focus(*note.NoteText);
    note.NoteText->select(6, 0);
    platform.type(*note.NoteText, "!");
    platform.requestClose(note.form());  // Alt+F4 within the autosave delay
    EXPECT_FALSE(note.closed());
    EXPECT_TRUE(note.form().visible());
    EXPECT_FALSE(note.SavePending());
    EXPECT_EQ(notes::NoteTextOf(Record(2)), "stored!");
    app::SaveBeforeEnd(*module);
    EXPECT_EQ(notes::NoteTextOf(Record(2)), "stored!");
}

TEST_F(NoteInput, ClickOnTheGripGivesItTheFocusAndKeepsItThroughAResize) {
    notes::FrmNote& note = OpenNewNote();
    platform.focus(*note.NoteText);
    platform.click(*note.ButResize);
    EXPECT_TRUE(note.ButResize->hasFocus());
    platform.press(*note.ButResize, kLeftButton, 0, 5, 5);
    platform.moveMouse(*note.ButResize, kLeftButton, 0, 45, 35);
    platform.release(*note.ButResize, kLeftButton, 0, 45, 35);
    EXPECT_EQ(note.form().bounds().w, 206);
    EXPECT_TRUE(note.ButResize->hasFocus());
    // The grip's keys work: F1 writes the help into the note.
    platform.keyDown(*note.ButResize, platform::kKeyF1);
    EXPECT_NE(note.NoteText->text().find("HELP:"), std::string::npos);
}

TEST_F(NoteInput, TabMovesBetweenTextAndGripAndTypesNothing) {
    notes::FrmNote& note = OpenNewNote();
    platform.focus(*note.NoteText);
    platform.type(*note.NoteText, "ab");
    platform.keyDown(*note.NoteText, platform::kKeyTab);
    EXPECT_TRUE(note.ButResize->hasFocus());
    EXPECT_EQ(note.NoteText->text(), "ab");
    platform.keyDown(*note.ButResize, platform::kKeyTab, kShift);
    EXPECT_TRUE(note.NoteText->hasFocus());
    platform.keyDown(*note.NoteText, platform::kKeyTab, kShift);
    EXPECT_TRUE(note.ButResize->hasFocus());
    platform.keyDown(*note.ButResize, platform::kKeyTab);
    EXPECT_TRUE(note.NoteText->hasFocus());
    EXPECT_EQ(note.NoteText->text(), "ab");
}

}  // namespace
