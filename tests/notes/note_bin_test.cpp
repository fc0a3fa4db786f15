// The bin: every way a note goes away leaves its note string in the bin first, a binned note comes
// back into a free record where it was, and the bin lets its notes go after 30 days.
#include "notes/note_bin.h"

#include <gtest/gtest.h>

#include <functional>

#include "app/datafiles.h"
#include "note_fixture.h"
#include "notes/note_restore.h"

namespace {

using platform::kAlt;
using platform::kCtrl;
using platform::kShift;
using platform::headless::HeadlessPlatform;
using platform::headless::MemoryFileSystem;
using testing_support::NoteTest;

constexpr const char* kDesktop = "C:\\Users\\User\\Desktop";

class NoteBin : public NoteTest {
protected:
    void SetUp() override {
        platform.memoryFiles().putFolder(kDesktop);
        platform.setTime({2026, 12, 7, 9, 5, 30});
        ASSERT_TRUE(Start());
    }
    // A note at its own place in its own colours, with text, written to its record.
    notes::FrmNote& ColouredNote(const std::string& text) {
        notes::FrmNote& note = OpenNewNote();
        note.form().move(300, 200);
        platform.keyDown(*note.NoteText, platform::kKeyF7);                    // a text colour
        platform.keyDown(*note.NoteText, platform::kKeyF6, platform::kShift);  // a background
        note.NoteText->setText(text);
        note.NoteSave();
        return note;
    }
    std::vector<notes::BinnedNote> Bin() { return notes::NotesInBin(platform.files(), kDataPath); }
};

TEST_F(NoteBin, EveryWayANoteGoesAwayPutsItInTheBinFirst) {
    const struct {
        const char* way;
        const char* text;
        std::function<void(HeadlessPlatform&, notes::FrmNote&)> remove;
    } ways[] = {
        {"the close button, answered Yes", "shopping",
         [](HeadlessPlatform& p, notes::FrmNote& note) {
             p.answerYesNo(true);
             p.click(*note.ButClose);
         }},
        {"the close button with Shift", "call Anna",
         [](HeadlessPlatform& p, notes::FrmNote& note) { p.click(*note.ButClose, platform::kLeftButton, kShift); }},
        {"an emptied note closed", "",
         [](HeadlessPlatform& p, notes::FrmNote& note) { p.click(*note.ButClose, platform::kLeftButton, kShift); }},
        {"an export to the desktop that removes it", "exported",
         [](HeadlessPlatform& p, notes::FrmNote& note) {
             p.keyDown(*note.NoteText, platform::kKeyEscape, kCtrl | kAlt);
         }},
        {"a named export that removes it", "named",
         [](HeadlessPlatform& p, notes::FrmNote& note) {
             p.answerInput("kept");
             p.keyDown(*note.NoteText, platform::kKeyEscape, kCtrl | kAlt | kShift);
         }},
    };
    std::size_t binned = 0;
    for (const auto& way : ways) {
        SCOPED_TRACE(way.way);
        notes::FrmNote& note = ColouredNote(way.text);
        const int record = note.RecordNumber();
        const std::string stored = Record(record);
        way.remove(platform, note);
        ASSERT_TRUE(note.closed());
        EXPECT_EQ(Record(record), "");
        const auto bin = Bin();
        ASSERT_EQ(bin.size(), ++binned);
        EXPECT_EQ(bin.front().note, stored);
        EXPECT_EQ(bin.front().record, record);
        EXPECT_EQ(bin.front().removed, "2026-12-07 09:05:30");  // all within one second
    }
}

TEST_F(NoteBin, ANoteTheBinCannotTakeStaysOpenInItsRecord) {
    const struct {
        const char* why;
        std::function<void(MemoryFileSystem&)> inject;
    } cases[] = {
        {"a file where the bin belongs",
         [](MemoryFileSystem& files) { files.putFile(std::string(kDataPath) + "\\Bin", "x"); }},
        {"a read-only data folder", [](MemoryFileSystem& files) { files.setReadOnly(kDataPath); }},
        {"a full disk", [](MemoryFileSystem& files) { files.setCapacity(1); }},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.why);
        notes::FrmNote& note = ColouredNote("precious");
        const std::string stored = Record(note.RecordNumber());
        platform.dialogs.clear();
        SCOPED_TRACE(stored);
        c.inject(platform.memoryFiles());
        platform.click(*note.ButClose, platform::kLeftButton, kShift);
        platform.memoryFiles().setCapacity(std::nullopt);
        platform.memoryFiles().setReadOnly(kDataPath, false);
        static_cast<void>(platform.memoryFiles().removeFile(data("\\Bin")));
        EXPECT_FALSE(note.closed());
        ASSERT_EQ(platform.dialogs.size(), 1u);
        EXPECT_NE(platform.dialogs[0].text.find(data("\\Bin")), std::string::npos);
        EXPECT_EQ(note.NoteText->text(), "precious");
    }
}

TEST_F(NoteBin, ARestoredNoteOpensWhereItWasWithItsTextAndColours) {
    notes::FrmNote& note = ColouredNote("line one\r\nline two");
    const platform::Rect place = note.form().bounds();
    const auto fore = note.NoteText->foreColor();
    const auto back = note.NoteText->backColor();
    const std::string stored = Record(note.RecordNumber());
    platform.click(*note.ButClose, platform::kLeftButton, kShift);
    OpenNewNote();  // the freed record is taken meanwhile

    ASSERT_TRUE(notes::RestoreFromBin(*module, Bin().front()));
    notes::FrmNote& restored = *module->Notes.back();
    EXPECT_EQ(restored.form().bounds(), place);
    EXPECT_EQ(restored.NoteText->text(), "line one\r\nline two");
    EXPECT_EQ(restored.NoteText->foreColor(), fore);
    EXPECT_EQ(restored.NoteText->backColor(), back);
    EXPECT_EQ(Record(restored.RecordNumber()), stored);
    EXPECT_TRUE(Bin().empty());
}

TEST_F(NoteBin, WithEveryRecordInUseTheNoteStaysInTheBin) {
    notes::FrmNote& note = ColouredNote("wanted back");
    platform.click(*note.ButClose, platform::kLeftButton, kShift);
    // Binned notes hold no record: all 40 open again.
    for (int n = 0; n < app::kNoteRecordCount; ++n) OpenNewNote();
    platform.dialogs.clear();

    EXPECT_FALSE(notes::RestoreFromBin(*module, Bin().front()));
    EXPECT_EQ(OpenNotes(), app::kNoteRecordCount);
    ASSERT_EQ(platform.dialogs.size(), 1u);
    EXPECT_NE(platform.dialogs[0].text.find("40 notes are in use"), std::string::npos);
    ASSERT_EQ(Bin().size(), 1u);
    EXPECT_EQ(notes::NoteTextOf(Bin().front().note), "wanted back");
}

TEST_F(NoteBin, NotesLieInTheBinForThirtyDays) {
    auto& files = platform.memoryFiles();
    const struct {
        const char* name;
        bool kept;
    } cases[] = {
        {"2026-11-07 09-00-00 40.txt", true},   // 30 days before
        {"2026-11-06 23-59-59 40.txt", false},  // 31 days before
        {"2025-12-31 10-00-00 3.txt", false},  {"2026-12-07 08-00-00 12 2.txt", true},
        {"Shopping list.txt", true},  // not the program's
    };
    for (const auto& c : cases) files.putFile(data("\\Bin\\") + c.name, "note");
    notes::EmptyOldNotesFromBin(files, kDataPath, {2026, 12, 7, 9, 0, 0});
    for (const auto& c : cases) EXPECT_EQ(files.file(data("\\Bin\\") + c.name).has_value(), c.kept) << c.name;
}

TEST_F(NoteBin, TheBinListsItsNotesNewestFirstAndPassesOthersBy) {
    auto& files = platform.memoryFiles();
    for (const char* name : {"2026-12-01 10-00-00 5.txt", "2026-12-06 10-00-00 40.txt", "2026-12-06 10-00-00 40 2.txt",
                             "notes.txt", "2026-12-06 10-00-00 .txt", "2026-12-06 10-00-00 400.txt"}) {
        files.putFile(data("\\Bin\\") + name, name);
    }
    const auto bin = Bin();
    ASSERT_EQ(bin.size(), 3u);
    // Newest first; of two removals in one second, the later one (the numbered name) first.
    for (std::size_t i = 1; i < bin.size(); ++i) {
        EXPECT_GE(bin[i - 1].removed, bin[i].removed);
        if (bin[i - 1].removed == bin[i].removed) {
            EXPECT_GT(bin[i - 1].sameSecond, bin[i].sameSecond);
        }
    }
    EXPECT_EQ(bin.back().record, 5);
}

}  // namespace
