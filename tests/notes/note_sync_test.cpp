// The notes database in a folder that a sync client keeps the same on two computers: the other
// computer's records are written into the file while the program runs.
#include "notes/note_sync.h"

#include <gtest/gtest.h>

#include "app/conflict_file.h"
#include "app/tray_icon.h"
#include "note_fixture.h"

namespace {

using testing_support::NoteTest;

class NoteSync : public NoteTest {
protected:
    void SetUp() override {
        StoreRecord(5, StoredNote(10, 10, 166, 127, "seen by both"));
        StoreRecord(6, StoredNote(30, 30, 166, 127, "six"));
        ASSERT_TRUE(Start());
        ASSERT_EQ(OpenNotes(), 2);
    }
    // The user types into a note (and waits until it saves itself): what the note holds then.
    std::string typeInto(int record, const std::string& text) {
        platform.type(*NoteOfRecord(record)->NoteText, text);
        return NoteOfRecord(record)->NoteText->text();
    }
    std::string typeAndSave(int record, const std::string& text) {
        std::string typed = typeInto(record, text);
        platform.advance(5000);
        return typed;
    }
    // A right press on the tray icon shows the calendar and takes in what arrived.
    void showCalendar() { platform.trayMessage(app::kTrayRightPress); }
};

TEST_F(NoteSync, ARecordChangedOnBothSidesKeepsOursAndTheOtherNoteOpensInAFreeRecord) {
    StoreRecord(5, StoredNote(10, 10, 166, 127, "changed there"));
    const std::string typed = typeAndSave(5, " and here");

    EXPECT_EQ(notes::NoteTextOf(Record(5)), typed);
    EXPECT_EQ(Record(40), StoredNote(10, 10, 166, 127, "changed there"));
    showCalendar();
    ASSERT_NE(NoteOfRecord(40), nullptr);
    EXPECT_EQ(NoteOfRecord(40)->NoteText->text(), "changed there");
    EXPECT_EQ(OpenNotes(), 3);
}

TEST_F(NoteSync, NotesAddedChangedAndRemovedThereShowAtTheNextLook) {
    StoreRecord(9, StoredNote(50, 60, 200, 100, "arrived"));
    StoreRecord(5, StoredNote(15, 25, 166, 127, "rewritten there"));
    StoreRecord(6, "");

    // The clock's next minute looks, as the calendar's showing does.
    platform.advance(60000);
    ASSERT_NE(NoteOfRecord(9), nullptr);
    EXPECT_EQ(NoteOfRecord(9)->NoteText->text(), "arrived");
    EXPECT_EQ(NoteOfRecord(9)->form().bounds(), (platform::Rect{50, 60, 200, 100}));
    ASSERT_NE(NoteOfRecord(5), nullptr);
    EXPECT_EQ(NoteOfRecord(5)->NoteText->text(), "rewritten there");
    EXPECT_EQ(NoteOfRecord(5)->form().bounds().x, 15);
    EXPECT_EQ(NoteOfRecord(6), nullptr);
    EXPECT_EQ(OpenNotes(), 2);
    // Taking them in writes nothing.
    EXPECT_EQ(Record(6), "");
    EXPECT_EQ(notes::NoteTextOf(Record(9)), "arrived");
}

TEST_F(NoteSync, ANoteRemovedThereWhileTypedHereClosesAndItsTextGoesToTheConflictFile) {
    const std::string typed = typeInto(6, " typed");
    StoreRecord(6, "");
    showCalendar();
    EXPECT_EQ(NoteOfRecord(6), nullptr);
    const std::string conflicts = file(app::ConflictFile(platform.now()));
    EXPECT_NE(conflicts.find("Notes, record 6"), std::string::npos) << conflicts;
    EXPECT_NE(conflicts.find(typed), std::string::npos) << conflicts;
}

TEST_F(NoteSync, ANoteChangedThereWhileTypedHereWaitsForItsSave) {
    const std::string typed = typeInto(6, " typed");
    StoreRecord(6, StoredNote(30, 30, 166, 127, "six there"));
    showCalendar();
    ASSERT_NE(NoteOfRecord(6), nullptr);
    EXPECT_EQ(NoteOfRecord(6)->NoteText->text(), typed);
    platform.advance(5000);
    EXPECT_EQ(notes::NoteTextOf(Record(6)), typed);
    EXPECT_EQ(notes::NoteTextOf(Record(40)), "six there");
}

TEST_F(NoteSync, ANoteRemovedHereButChangedThereIsKept) {
    StoreRecord(6, StoredNote(30, 30, 166, 127, "six there"));
    platform.answerYesNo(true);
    platform.click(*NoteOfRecord(6)->ButClose);
    EXPECT_EQ(Record(6), "");
    EXPECT_EQ(notes::NoteTextOf(Record(40)), "six there");
}

TEST_F(NoteSync, WithEveryRecordTakenTheOtherNoteGoesToTheConflictFile) {
    for (int n = 1; n <= 40; ++n) {
        if (n != 5 && n != 6) StoreRecord(n, StoredNote(n, n, 166, 127, "note " + std::to_string(n)));
    }
    showCalendar();
    ASSERT_EQ(OpenNotes(), 40);
    StoreRecord(5, StoredNote(10, 10, 166, 127, "changed there"));
    const std::string typed = typeAndSave(5, " and here");
    EXPECT_EQ(notes::NoteTextOf(Record(5)), typed);
    const std::string conflicts = file(app::ConflictFile(platform.now()));
    EXPECT_NE(conflicts.find("Notes, record 5"), std::string::npos) << conflicts;
    EXPECT_NE(conflicts.find("changed there"), std::string::npos) << conflicts;
}

}  // namespace
