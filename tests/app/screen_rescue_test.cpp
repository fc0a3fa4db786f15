// Monitors that come and go: a window or note left on no monitor comes onto the nearest one, its
// own place (a note's record) stays until the user moves it, and it goes back when its monitor does.
#include "app/screen_rescue.h"

#include <gtest/gtest.h>

#include "app/main_window.h"
#include "notes/note_fixture.h"
#include "search/search_window.h"

namespace {

using platform::Rect;

constexpr Rect kLaptop{0, 0, 1366, 728};
constexpr Rect kRight{1366, 0, 1920, 1040};

platform::ScreenInfo Docked() {
    return {1366, 768, 15, 15, {kLaptop, kRight}};
}

platform::ScreenInfo Undocked() {
    return {1366, 768, 15, 15, {kLaptop}};
}

bool Inside(const Rect& window, const Rect& area) {
    return window.x >= area.x && window.y >= area.y && window.x + window.w <= area.x + area.w &&
           window.y + window.h <= area.y + area.h;
}

class ScreenRescue : public testing_support::NoteTest {
protected:
    ScreenRescue() { platform.setScreen(Docked()); }

    platform::Form& calendar() { return module->Diar->form(); }
    static Rect At(const Rect& window, int x, int y) { return {x, y, window.w, window.h}; }

    // The note of record 5, stored on the right monitor.
    notes::FrmNote& StartWithNote(const std::string& stored) {
        StoreRecord(5, stored);
        EXPECT_TRUE(Start());
        notes::FrmNote* note = NoteOfRecord(5);
        EXPECT_NE(note, nullptr);
        return *note;
    }

    void DragTitle(notes::FrmNote& note, int dx, int dy) {
        platform.press(*note.LabelTit, platform::kLeftButton, 0, 20, 5);
        platform.moveMouse(*note.LabelTit, platform::kLeftButton, 0, 20 + dx, 5 + dy);
        platform.release(*note.LabelTit, platform::kLeftButton, 0, 20 + dx, 5 + dy);
    }
};

TEST_F(ScreenRescue, WindowsOnAnUnpluggedMonitorComeOntoTheLaptopAndGoBackWhenItReturns) {
    ASSERT_TRUE(Start());
    // The calendar was hidden on the right monitor; the search window is open there.
    calendar().move(2000, 300);
    const Rect calendarHome = calendar().bounds();
    module->Search->Open();
    platform::Form& search = module->Search->form();
    search.move(2600, 500);
    const Rect searchHome = search.bounds();

    platform.changeDisplays(Undocked());
    EXPECT_TRUE(Inside(calendar().bounds(), kLaptop));
    EXPECT_TRUE(Inside(search.bounds(), kLaptop));
    EXPECT_TRUE(search.visible());

    platform.changeDisplays(Docked());
    EXPECT_EQ(calendar().bounds(), calendarHome);
    EXPECT_EQ(search.bounds(), searchHome);
}

TEST_F(ScreenRescue, AWindowTheUserMovesAfterItCameOverKeepsItsNewPlace) {
    ASSERT_TRUE(Start());
    calendar().move(2000, 300);
    platform.changeDisplays(Undocked());
    platform.pressBackground(calendar(), platform::kLeftButton, 0, 300, 5);
    platform.moveOnBackground(calendar(), platform::kLeftButton, 0, 250, 5);
    platform.releaseBackground(calendar(), platform::kLeftButton, 0, 250, 5);
    const Rect moved = calendar().bounds();
    platform.changeDisplays(Docked());
    EXPECT_EQ(calendar().bounds(), moved);
}

TEST_F(ScreenRescue, AWindowOnAMonitorThatStaysIsLeftAlone) {
    ASSERT_TRUE(Start());
    calendar().move(40, 30);
    platform.changeDisplays(Undocked());
    EXPECT_EQ(calendar().bounds(), At(calendar().bounds(), 40, 30));
}

TEST_F(ScreenRescue, AWakeUpWithAMonitorGoneBringsTheWindowsOver) {
    ASSERT_TRUE(Start());
    calendar().move(2000, 300);
    platform.setScreen(Undocked());
    platform.resumeAt({2026, 12, 7, 11, 0, 0});
    EXPECT_TRUE(Inside(calendar().bounds(), kLaptop));
}

TEST_F(ScreenRescue, ANoteComesOverAndBackWhileItsRecordKeepsItsPlaceThroughASave) {
    const std::string stored = StoredNote(2000, 300, 200, 150, "far away");
    notes::FrmNote& note = StartWithNote(stored);
    ASSERT_EQ(note.form().bounds(), (Rect{2000, 300, 200, 150}));

    platform.changeDisplays(Undocked());
    EXPECT_TRUE(Inside(note.form().bounds(), kLaptop));
    EXPECT_EQ(Record(5), stored);
    // A changed text is saved with the place the note has on its own monitor.
    platform.type(*note.NoteText, "!");
    platform.advance(5000);
    EXPECT_EQ(Record(5), StoredNote(2000, 300, 200, 150, "!far away"));

    platform.changeDisplays(Docked());
    EXPECT_EQ(note.form().bounds(), (Rect{2000, 300, 200, 150}));
    platform.type(*note.NoteText, "?");
    platform.advance(5000);
    EXPECT_EQ(Record(5), StoredNote(2000, 300, 200, 150, "!?far away"));
}

TEST_F(ScreenRescue, ANoteTheUserMovesAfterItCameOverStaysThere) {
    notes::FrmNote& note = StartWithNote(StoredNote(2000, 300, 200, 150, "far away"));
    platform.changeDisplays(Undocked());
    const Rect rescued = note.form().bounds();
    DragTitle(note, -100, 0);
    EXPECT_EQ(Record(5), StoredNote(rescued.x - 100, rescued.y, 200, 150, "far away"));
    platform.changeDisplays(Docked());
    EXPECT_EQ(note.form().bounds(), (Rect{rescued.x - 100, rescued.y, 200, 150}));
}

TEST_F(ScreenRescue, ANoteLargerThanTheLaptopShrinksThereAndGetsItsSizeBack) {
    const std::string stored = StoredNote(1500, 20, 1600, 900, "big");
    notes::FrmNote& note = StartWithNote(stored);
    platform.changeDisplays(Undocked());
    const Rect rescued = note.form().bounds();
    EXPECT_TRUE(Inside(rescued, kLaptop));
    EXPECT_EQ(note.ButResize->rect(), (Rect{rescued.w - 10, rescued.h - 10, 10, 10}));  // the grip shows
    EXPECT_EQ(note.NoteText->rect().w, rescued.w - 9);
    platform.type(*note.NoteText, "!");
    platform.advance(5000);
    EXPECT_EQ(Record(5), StoredNote(1500, 20, 1600, 900, "!big"));

    platform.changeDisplays(Docked());
    EXPECT_EQ(note.form().bounds(), (Rect{1500, 20, 1600, 900}));
    EXPECT_EQ(note.ButResize->rect(), (Rect{1590, 890, 10, 10}));
    EXPECT_EQ(note.NoteText->rect().h, 900 - 21);
}

TEST_F(ScreenRescue, ARolledUpNoteComesOverRolledUp) {
    const std::string stored = StoredNote(2000, 300, 200, 150, "rolled", true);
    notes::FrmNote& note = StartWithNote(stored);
    ASSERT_EQ(note.RolledUp, 1);
    platform.changeDisplays(Undocked());
    EXPECT_TRUE(Inside(note.form().bounds(), kLaptop));
    EXPECT_EQ(note.form().bounds().h, 15);
    EXPECT_EQ(note.NoteHeight, 150);
    platform.doubleClick(*note.LabelTit);
    EXPECT_EQ(note.form().bounds().h, 150);
    EXPECT_TRUE(Inside(note.form().bounds(), kLaptop));
    EXPECT_EQ(Record(5), StoredNote(2000, 300, 200, 150, "rolled"));
}

}  // namespace
