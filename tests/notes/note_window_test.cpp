#include "notes/note_window.h"

#include <gtest/gtest.h>

#include "app/session.h"
#include "app/settings.h"
#include "note_fixture.h"
#include "notes/notes_database.h"

namespace {

using platform::Align;
using platform::Rect;
using platform::headless::DialogCall;
using platform::headless::MemoryFileSystem;
using testing_support::NoteTest;

class NoteWindow : public NoteTest {
protected:
    void SetUp() override { ASSERT_TRUE(Start()); }
};

TEST_F(NoteWindow, NewNoteOpensAtItsPlaceInTheDefaultFormatAndIsWrittenAtOnce) {
    notes::FrmNote& note = OpenNewNote();
    EXPECT_EQ(note.form().bounds(), (Rect{80, 80, 166, 127}));
    EXPECT_EQ(note.NoteText->rect(), (Rect{5, 17, 156, 105}));
    EXPECT_EQ(note.ButResize->rect(), (Rect{156, 117, 10, 10}));
    EXPECT_EQ(note.NoteText->font(), (platform::Font{"MS Sans Serif", 8, false, 0}));
    EXPECT_EQ(note.NoteText->alignment(), Align::Center);
    EXPECT_EQ(note.NoteText->backColor(), 0x94C2E3u);
    EXPECT_EQ(note.form().backColor(), 0x94C2E3u);
    EXPECT_EQ(note.NoteHeight, 127);
    EXPECT_EQ(Record(40), "80   80   166  127  0208 MS Sans Serif  &H0            &H94C2E3       ");
    EXPECT_TRUE(note.ButResize->hasFocus());
    EXPECT_FALSE(note.form().topMost());
    EXPECT_EQ(OpenNewNote().form().bounds(), (Rect{80, 80, 166, 127}));
}

TEST_F(NoteWindow, StoredRecordOpensAtItsPlaceWithItsFormat) {
    notes::NoteFields fields;
    fields = {300, 200, 250, 160, false, 1, true, 18, "Arial", 0x1020B0, 0xA0C0A0};
    StoreRecord(5, notes::BuildNoteString(fields, "line one\r\nline two"));
    module->NoteRecNo = 5;
    module->NoteRecord = Record(5);
    notes::OpenNoteWindow(*module);
    notes::FrmNote& note = *module->Notes.back();
    EXPECT_EQ(note.form().bounds(), (Rect{300, 200, 250, 160}));
    EXPECT_EQ(note.NoteText->rect(), (Rect{5, 17, 241, 139}));
    EXPECT_EQ(note.ButResize->rect(), (Rect{240, 150, 10, 10}));
    EXPECT_EQ(note.NoteText->font(), (platform::Font{"Arial", 18, true, 0}));
    EXPECT_EQ(note.NoteText->alignment(), Align::Right);
    EXPECT_EQ(note.NoteText->foreColor(), 0x1020B0u);
    EXPECT_EQ(note.LabelTit->foreColor(), 0x1020B0u);
    EXPECT_EQ(note.ButResize->backColor(), 0xA0C0A0u);
    EXPECT_EQ(note.form().backColor(), 0xA0C0A0u);
    EXPECT_EQ(note.NoteText->text(), "line one\r\nline two");
    EXPECT_EQ(note.LabelTit->caption(), "");
    // Layout: the frame follows the stored size.
    EXPECT_EQ(note.ButClose->rect(), (Rect{236, 0, 14, 16}));
    EXPECT_EQ(note.BorderBot->rect(), (Rect{0, 157, 250, 3}));
    EXPECT_EQ(note.BorderRight->rect(), (Rect{247, 16, 3, 141}));
}

TEST_F(NoteWindow, RolledUpRecordReopensRolledUpWithItsTitle) {
    StoreRecord(7, StoredNote(10, 10, 200, 150, std::string(40, 'a') + "\r\nsecond", true));
    module->NoteRecNo = 7;
    module->NoteRecord = Record(7);
    notes::OpenNoteWindow(*module);
    notes::FrmNote& note = *module->Notes.back();
    EXPECT_EQ(note.RolledUp, 1);
    EXPECT_EQ(note.form().bounds().h, 15);
    EXPECT_EQ(note.LabelTit->caption(), std::string(32, 'a'));
    EXPECT_EQ(note.NoteHeight, 150);
    EXPECT_EQ(note.ButResize->rect().y, 140);
    platform.doubleClick(*note.LabelTit);
    EXPECT_EQ(note.form().bounds().h, 150);
    EXPECT_EQ(note.RolledUp, 0);
}

TEST_F(NoteWindow, NoteOnAMissingMonitorOpensOnTheNearestOneAndKeepsItsRecord) {
    platform::ScreenInfo screen;
    screen.monitors = {{0, 0, 1024, 768}, {1024, 0, 800, 600}};
    platform.setScreen(screen);
    const std::string stored = StoredNote(3000, 700, 200, 150, "far away");
    StoreRecord(9, stored);
    module->NoteRecNo = 9;
    module->NoteRecord = stored;
    notes::OpenNoteWindow(*module);
    notes::FrmNote& note = *module->Notes.back();
    EXPECT_EQ(note.form().bounds(), (Rect{1624, 450, 200, 150}));
    EXPECT_EQ(Record(9), stored);
    // Saving the typed text keeps the stored place: the note goes back when the monitor does.
    platform.type(*note.NoteText, "!");
    platform.advance(5000);
    EXPECT_EQ(Record(9), StoredNote(3000, 700, 200, 150, "!far away"));
    platform.press(*note.LabelTit, platform::kLeftButton, 0, 10, 5);
    platform.moveMouse(*note.LabelTit, platform::kLeftButton, 0, 0, 5);
    platform.release(*note.LabelTit, platform::kLeftButton, 0, 0, 5);
    EXPECT_EQ(Record(9), StoredNote(1614, 450, 200, 150, "!far away"));
}

TEST_F(NoteWindow, NoteReachableOnAMonitorStaysWhereItWas) {
    const std::string stored = StoredNote(-5, 700, 200, 150, "edge");
    StoreRecord(9, stored);
    module->NoteRecNo = 9;
    module->NoteRecord = stored;
    notes::OpenNoteWindow(*module);
    EXPECT_EQ(module->Notes.back()->form().bounds(), (Rect{-5, 700, 200, 150}));
}

TEST_F(NoteWindow, NoteLargerThanTheWorkAreaOpensNoLargerAndKeepsItsRecordUntilResized) {
    platform::ScreenInfo screen;
    screen.monitors = {{0, 0, 1024, 738}};
    platform.setScreen(screen);
    // A damaged header: every number as large as its field holds.
    const std::string stored = StoredNote(99999, 99999, 99999, 99999, "huge");
    StoreRecord(9, stored);
    module->NoteRecNo = 9;
    module->NoteRecord = stored;
    notes::OpenNoteWindow(*module);
    notes::FrmNote& note = *module->Notes.back();
    EXPECT_EQ(note.form().bounds(), (Rect{0, 0, 1024, 738}));
    EXPECT_EQ(note.NoteHeight, 738);
    EXPECT_EQ(note.ButResize->rect(), (Rect{1014, 728, 10, 10}));  // the grip can be reached
    platform.type(*note.NoteText, "!");
    platform.advance(5000);
    EXPECT_EQ(Record(9), StoredNote(99999, 99999, 99999, 99999, "!huge"));
    platform.doubleClick(*note.LabelTit);
    platform.doubleClick(*note.LabelTit);
    EXPECT_EQ(note.form().bounds().h, 738);
    EXPECT_EQ(Record(9), StoredNote(99999, 99999, 99999, 99999, "!huge"));
    platform.press(*note.ButResize, platform::kLeftButton, 0, 5, 5);
    platform.moveMouse(*note.ButResize, platform::kLeftButton, 0, -95, -95);
    platform.release(*note.ButResize, platform::kLeftButton, 0, -95, -95);
    EXPECT_EQ(Record(9).substr(10, 10), "924  638  ");
}

TEST_F(NoteWindow, DefaultFontSizeARecordCannotHoldGivesTheTextBoxItsOwnSize) {
    // A damaged settings file may hold any number; the sizes a record holds are kept exactly.
    const std::pair<std::string, double> cases[] = {{"9999999999", 8}, {"2147483648", 8}, {"100", 8},
                                                    {"12.5", 12.5},    {"99", 99},        {"0.25", 0.25}};
    for (const auto& [setting, size] : cases) {
        module->NoteFontSize = setting;
        notes::FrmNote& note = OpenNewNote();
        EXPECT_EQ(note.NoteText->font().size, size) << setting;
        EXPECT_EQ(notes::ParseNoteHeader(Record(note.RecordNumber())).fontSize, notes::RoundFontSize(size)) << setting;
    }
}

TEST_F(NoteWindow, AutosaveWritesTenTicksAfterTheLastKey) {
    notes::FrmNote& note = OpenNewNote();
    platform.focus(*note.NoteText);
    platform.type(*note.NoteText, "hi");
    EXPECT_EQ(note.SaveCountdown, 10);
    for (int tick = 0; tick < 9; ++tick) platform.tick(*note.Odpocet);
    EXPECT_EQ(notes::NoteTextOf(Record(40)), "");
    platform.keyDown(*note.NoteText, 'X', platform::kShift);  // a key restarts the countdown
    for (int tick = 0; tick < 9; ++tick) platform.tick(*note.Odpocet);
    EXPECT_EQ(notes::NoteTextOf(Record(40)), "");
    EXPECT_TRUE(note.Odpocet->enabled());
    platform.tick(*note.Odpocet);
    EXPECT_EQ(notes::NoteTextOf(Record(40)), "hiX");
    EXPECT_FALSE(note.Odpocet->enabled());
}

TEST_F(NoteWindow, AutosaveRunsOnTheTimerAboutFiveSecondsLater) {
    notes::FrmNote& note = OpenNewNote();
    platform.focus(*note.NoteText);
    platform.type(*note.NoteText, "abc");
    platform.advance(4500);
    EXPECT_EQ(notes::NoteTextOf(Record(40)), "");
    platform.advance(500);
    EXPECT_EQ(notes::NoteTextOf(Record(40)), "abc");
}

TEST_F(NoteWindow, AnotherSaveCancelsThePendingAutosave) {
    notes::FrmNote& note = OpenNewNote();
    platform.type(*note.NoteText, "x");
    platform.click(*note.LabelTit);
    EXPECT_FALSE(note.Odpocet->enabled());
    EXPECT_FALSE(note.SavePending());
    EXPECT_EQ(notes::NoteTextOf(Record(40)), "x");
}

TEST_F(NoteWindow, CloseAsksAndRemovesTheRecordOnYes) {
    notes::FrmNote& note = OpenNewNote();
    platform.answerYesNo(true);
    platform.click(*note.ButClose);
    ASSERT_EQ(platform.dialogs.size(), 1u);
    EXPECT_EQ(platform.dialogs[0].kind, DialogCall::Kind::YesNo);
    EXPECT_EQ(platform.dialogs[0].title, "Orvane Notes");
    EXPECT_EQ(platform.dialogs[0].text, "Remove note?");
    EXPECT_EQ(platform.dialogs[0].icon, platform::MessageIcon::Question);
    EXPECT_TRUE(note.closed());
    EXPECT_EQ(Record(40), "");
    EXPECT_EQ(file("\\Notes").substr(39 * 4002, 4002), std::string(2, '\0') + std::string(4000, ' '));
}

TEST_F(NoteWindow, CloseWithAModifierRemovesWithoutAsking) {
    for (int modifier : {platform::kShift, platform::kCtrl, platform::kAlt}) {
        notes::FrmNote& note = OpenNewNote();
        const int record = note.RecordNumber();
        platform.click(*note.ButClose, platform::kLeftButton, modifier);
        EXPECT_TRUE(note.closed());
        EXPECT_EQ(Record(record), "");
    }
    EXPECT_TRUE(platform.dialogs.empty());
}

TEST_F(NoteWindow, AnsweringNoKeepsTheNoteButNoLongerTopMost) {
    notes::FrmNote& note = OpenNewNote();
    platform.click(*note.ButMini);
    ASSERT_TRUE(note.form().topMost());
    ASSERT_TRUE(note.FTop->visible());
    platform.answerYesNo(false);
    platform.click(*note.ButClose, platform::kRightButton);
    EXPECT_FALSE(note.closed());
    EXPECT_FALSE(note.form().topMost());
    EXPECT_FALSE(note.FTop->visible());
    EXPECT_EQ(Record(40).size(), 70u);
}

TEST_F(NoteWindow, FailedRemovalIsReportedAndKeepsTheNote) {
    notes::FrmNote& note = OpenNewNote();
    platform.type(*note.NoteText, "keep me");
    platform.memoryFiles().failNext(MemoryFileSystem::Op::Move);
    platform.click(*note.ButClose, platform::kLeftButton, platform::kShift);
    EXPECT_FALSE(note.closed());
    EXPECT_EQ(note.NoteText->text(), "keep me");
    EXPECT_EQ(Record(40).size(), 70u);
    ASSERT_EQ(platform.dialogs.size(), 1u);
    EXPECT_EQ(platform.dialogs[0].kind, DialogCall::Kind::Message);
    EXPECT_NE(platform.dialogs[0].text.find(data("\\Notes")), std::string::npos);
}

TEST_F(NoteWindow, FailedAutosaveIsReportedKeepsTheTextAndIsRetriedAtTheEnd) {
    notes::FrmNote& note = OpenNewNote();
    platform.type(*note.NoteText, "precious");
    platform.memoryFiles().failNext(MemoryFileSystem::Op::Write);
    platform.advance(5000);
    ASSERT_EQ(platform.dialogs.size(), 1u);
    EXPECT_NE(platform.dialogs[0].text.find(data("\\Notes")), std::string::npos);
    EXPECT_EQ(note.NoteText->text(), "precious");
    EXPECT_FALSE(note.closed());
    EXPECT_TRUE(note.SavePending());
    EXPECT_TRUE(app::SaveBeforeEnd(*module).failures.empty());
    EXPECT_EQ(notes::NoteTextOf(Record(40)), "precious");
}

TEST_F(NoteWindow, EndingTheProgramSavesNotesWithARunningCountdown) {
    notes::FrmNote& typed = OpenNewNote();
    notes::FrmNote& idle = OpenNewNote();
    platform.type(*typed.NoteText, "last words");
    // Changed behind the idle note's back: a save of that note would overwrite it.
    StoreRecord(idle.RecordNumber(), StoredNote(1, 2, 166, 127, "marker"));
    EXPECT_TRUE(app::SaveBeforeEnd(*module).failures.empty());
    EXPECT_EQ(notes::NoteTextOf(Record(typed.RecordNumber())), "last words");
    EXPECT_EQ(Record(idle.RecordNumber()), StoredNote(1, 2, 166, 127, "marker"));
}

TEST_F(NoteWindow, SessionEndSavesTypedNotes) {
    notes::FrmNote& note = OpenNewNote();
    platform.type(*note.NoteText, "logging off");
    platform.endSession();
    EXPECT_EQ(notes::NoteTextOf(Record(40)), "logging off");
}

TEST_F(NoteWindow, TopMostToggleAndMarker) {
    notes::FrmNote& note = OpenNewNote();
    platform.click(*note.ButMini, platform::kRightButton);
    EXPECT_TRUE(note.form().topMost());
    EXPECT_TRUE(note.FTop->visible());
    platform.click(*note.FTop);
    EXPECT_FALSE(note.form().topMost());
    EXPECT_FALSE(note.FTop->visible());
    platform.click(*note.ButMini);
    platform.click(*note.ButMini);
    EXPECT_FALSE(note.form().topMost());
    EXPECT_EQ(Record(40).size(), 70u);  // not stored: a reopened note is never top-most
}

TEST_F(NoteWindow, DoubleClickOnMiniButtonMakesTheFormatTheDefaultForLaterNotesOnly) {
    notes::FrmNote& first = OpenNewNote();
    notes::FrmNote& other = OpenNewNote();
    platform.keyDown(*first.ButResize, platform::kKeyF12);
    platform.keyDown(*first.ButResize, platform::kKeyF7, platform::kShift);
    platform.keyDown(*first.ButResize, platform::kKeyF6);
    platform.keyDown(*first.ButResize, platform::kKeyF2);
    platform.keyDown(*first.ButResize, platform::kKeyB, platform::kCtrl);
    first.NoteText->setFontSize(8.25);
    platform.doubleClick(*first.ButMini);
    EXPECT_FALSE(first.form().topMost());  // the two releases toggle twice
    EXPECT_EQ(file("\\Notes.ini"), "NORESUME\r\nArial\r\n8.25\r\n1\r\n&H1020B0\r\n&HA0C0A0\r\n0\r\n0\r\n");
    EXPECT_EQ(other.NoteText->font().name, "MS Sans Serif");
    notes::FrmNote& later = OpenNewNote();
    EXPECT_EQ(later.NoteText->font(), (platform::Font{"Arial", 8.25, true, 0}));
    EXPECT_EQ(later.NoteText->foreColor(), 0x1020B0u);
    EXPECT_EQ(later.form().backColor(), 0xA0C0A0u);
    EXPECT_EQ(later.NoteText->alignment(), Align::Left);
}

TEST_F(NoteWindow, RollUpShowsTheFirstLineAndRollDownRestoresTheFullHeight) {
    notes::FrmNote& note = OpenNewNote();
    note.NoteText->setText("\r\nsecond line");
    platform.doubleClick(*note.LabelTit);
    EXPECT_EQ(note.RolledUp, 1);
    EXPECT_EQ(note.form().bounds().h, 15);  // not corrected to the minimum
    EXPECT_EQ(note.LabelTit->caption(), "");
    EXPECT_EQ(note.NoteHeight, 127);
    EXPECT_EQ(Record(40).substr(15, 6), "127  1");  // the releases saved the rolled-up state
    platform.doubleClick(*note.LabelTit);
    EXPECT_EQ(note.RolledUp, 0);
    EXPECT_EQ(note.form().bounds().h, 127);
    EXPECT_EQ(Record(40).substr(15, 6), "127  0");
}

TEST_F(NoteWindow, TitleOfARolledUpNoteIsAtMostThirtyTwoCharactersOfItsFirstLine) {
    notes::FrmNote& note = OpenNewNote();
    note.NoteText->setText(std::string(40, 'w') + "\nnext");
    platform.doubleClick(*note.LabelTit);
    EXPECT_EQ(note.LabelTit->caption(), std::string(32, 'w'));
    note.NoteText->setText("short\rrest");
    platform.doubleClick(*note.LabelTit);
    platform.doubleClick(*note.LabelTit);
    EXPECT_EQ(note.LabelTit->caption(), "short");
}

}  // namespace
