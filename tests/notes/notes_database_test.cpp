#include "notes/notes_database.h"

#include <gtest/gtest.h>

#include "note_fixture.h"

namespace {

using testing_support::NoteTest;

class NotesDatabase : public NoteTest {};

TEST_F(NotesDatabase, NewNotesTakeTheHighestFreeRecordFirst) {
    ASSERT_TRUE(Start());
    EXPECT_EQ(OpenNewNote().RecordNumber(), 40);
    EXPECT_EQ(OpenNewNote().RecordNumber(), 39);
    EXPECT_EQ(Record(40).size(), 70u);
    EXPECT_EQ(Record(39).size(), 70u);
    EXPECT_EQ(Record(38), "");
}

TEST_F(NotesDatabase, NewNoteFillsTheGapBelowTheHighestUsedRecord) {
    StoreRecord(40, StoredNote(10, 10, 166, 127, "forty"));
    StoreRecord(38, StoredNote(20, 20, 166, 127, "thirty-eight"));
    ASSERT_TRUE(Start());
    EXPECT_EQ(OpenNotes(), 2);
    EXPECT_EQ(OpenNewNote().RecordNumber(), 39);
    EXPECT_EQ(Record(40), StoredNote(10, 10, 166, 127, "forty"));
    EXPECT_EQ(Record(38), StoredNote(20, 20, 166, 127, "thirty-eight"));
}

TEST_F(NotesDatabase, AllRecordsInUseOpensNothingAndWritesNothing) {
    for (int n = 1; n <= 40; ++n) StoreRecord(n, StoredNote(n, n, 166, 127, "note " + std::to_string(n)));
    ASSERT_TRUE(Start());
    EXPECT_EQ(OpenNotes(), 40);
    const std::string before = file("\\Notes");
    const int writes = platform.memoryFiles().writeCount();
    notes::NewNote(*module);
    EXPECT_EQ(OpenNotes(), 40);
    EXPECT_EQ(platform.memoryFiles().writeCount(), writes);
    EXPECT_TRUE(file("\\Notes") == before);
    EXPECT_TRUE(platform.dialogs.empty());
}

TEST_F(NotesDatabase, StoredNotesOpenAtStartWithoutWriting) {
    StoreRecord(3, StoredNote(200, 150, 300, 180, "three"));
    StoreRecord(17, StoredNote(0, 0, 166, 127));  // empty text: still a note
    ASSERT_TRUE(Start());
    ASSERT_EQ(OpenNotes(), 2);
    EXPECT_EQ(NoteOfRecord(3)->NoteText->text(), "three");
    EXPECT_EQ(NoteOfRecord(3)->form().bounds(), (platform::Rect{200, 150, 300, 180}));
    EXPECT_EQ(NoteOfRecord(17)->NoteText->text(), "");
    EXPECT_TRUE(NoteOfRecord(3)->form().visible());
    EXPECT_EQ(Record(3), StoredNote(200, 150, 300, 180, "three"));
    EXPECT_FALSE(NoteOfRecord(3)->SavePending());
}

TEST_F(NotesDatabase, ShortDamagedRecordOpensSafelyAndIsNeverTakenForANewNote) {
    StoreRecord(40, "scrap");
    ASSERT_TRUE(Start());
    notes::FrmNote* damaged = NoteOfRecord(40);
    ASSERT_NE(damaged, nullptr);
    EXPECT_EQ(damaged->NoteText->text(), "scrap");
    EXPECT_EQ(damaged->form().bounds(), (platform::Rect{80, 80, 166, 127}));
    EXPECT_EQ(Record(40), "scrap");
    EXPECT_EQ(OpenNewNote().RecordNumber(), 39);
    EXPECT_EQ(Record(40), "scrap");
}

TEST_F(NotesDatabase, NewNoteWhoseFirstWriteFailedKeepsItsRecordFromTheNextNewNote) {
    ASSERT_TRUE(Start());
    platform.memoryFiles().failNext(platform::headless::MemoryFileSystem::Op::Write);
    notes::FrmNote& first = OpenNewNote();
    EXPECT_EQ(first.RecordNumber(), 40);
    EXPECT_EQ(Record(40), "");
    ASSERT_EQ(platform.dialogs.size(), 1u);
    EXPECT_NE(platform.dialogs[0].text.find(data("\\Notes")), std::string::npos);
    EXPECT_EQ(OpenNewNote().RecordNumber(), 39);
    EXPECT_TRUE(first.SavePending());
}

TEST_F(NotesDatabase, UnreadableDatabaseAtNewNoteIsReportedAndOpensNothing) {
    ASSERT_TRUE(Start());
    platform.memoryFiles().setUnreadable(data("\\Notes"));
    notes::NewNote(*module);
    EXPECT_EQ(OpenNotes(), 0);
    ASSERT_EQ(platform.dialogs.size(), 1u);
    EXPECT_EQ(platform.dialogs[0].icon, platform::MessageIcon::Stop);
}

}  // namespace
