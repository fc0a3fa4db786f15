#include <gtest/gtest.h>

#include "note_fixture.h"

namespace {

using platform::kLeftButton;
using platform::kRightButton;
using platform::Rect;
using testing_support::NoteTest;

class NoteMoveResize : public NoteTest {
protected:
    void SetUp() override {
        ASSERT_TRUE(Start());
        note = &OpenNewNote();
    }

    // Presses the grip, moves the pointer by (dx, dy) with the left button, releases.
    void DragGrip(int dx, int dy) {
        platform.press(*note->ButResize, kLeftButton, 0, 5, 5);
        platform.moveMouse(*note->ButResize, kLeftButton, 0, 5 + dx, 5 + dy);
        platform.release(*note->ButResize, kLeftButton, 0, 5 + dx, 5 + dy);
    }

    notes::FrmNote* note = nullptr;
};

TEST_F(NoteMoveResize, DraggingTheTitleMovesTheWindowAndTheReleaseSavesIt) {
    platform.press(*note->LabelTit, kLeftButton, 0, 10, 5);
    platform.moveMouse(*note->LabelTit, kLeftButton, 0, 40, 5);
    EXPECT_EQ(note->form().bounds(), (Rect{110, 80, 166, 127}));
    platform.moveMouse(*note->LabelTit, kLeftButton, 0, 10, -15);  // pointer relative to the moved title
    EXPECT_EQ(note->form().bounds(), (Rect{110, 60, 166, 127}));
    EXPECT_EQ(Record(40).substr(0, 10), "80   80   ");
    platform.release(*note->LabelTit, kLeftButton, 0, 10, 5);
    EXPECT_EQ(Record(40).substr(0, 10), "110  60   ");
}

TEST_F(NoteMoveResize, MovingWithoutAButtonDoesNotMoveTheWindow) {
    platform.moveMouse(*note->LabelTit, 0, 0, 60, 5);
    EXPECT_EQ(note->form().bounds(), (Rect{80, 80, 166, 127}));
}

TEST_F(NoteMoveResize, ResizeHidesTheTextThenFitsItAndSaves) {
    platform.press(*note->ButResize, kLeftButton, 0, 5, 5);
    EXPECT_FALSE(note->NoteText->visible());
    EXPECT_FALSE(note->ButResize->visible());
    platform.moveMouse(*note->ButResize, kLeftButton, 0, 5 + 34, 5 + 73);
    EXPECT_EQ(note->form().bounds(), (Rect{80, 80, 200, 200}));
    EXPECT_EQ(note->BorderBot->rect(), (Rect{0, 197, 200, 3}));
    EXPECT_EQ(note->BorderLeft->rect(), (Rect{0, 16, 4, 181}));
    EXPECT_EQ(note->TopTitle->rect(), (Rect{12, 0, 174, 16}));
    EXPECT_EQ(note->LabelTit->rect(), (Rect{12, 2, 174, 13}));
    EXPECT_EQ(note->ButClose->rect(), (Rect{186, 0, 14, 16}));
    EXPECT_FALSE(note->NoteText->visible());
    platform.release(*note->ButResize, kLeftButton, 0, 39, 78);
    EXPECT_TRUE(note->NoteText->visible());
    EXPECT_TRUE(note->ButResize->visible());
    EXPECT_EQ(note->NoteText->rect(), (Rect{5, 17, 191, 179}));
    EXPECT_EQ(note->ButResize->rect(), (Rect{190, 190, 10, 10}));
    EXPECT_EQ(note->NoteHeight, 200);
    EXPECT_EQ(Record(40).substr(10, 10), "200  200  ");
}

TEST_F(NoteMoveResize, ShrinkingStopsAtTheMinimumSize) {
    DragGrip(-500, -500);
    EXPECT_EQ(note->form().bounds(), (Rect{80, 80, 120, 50}));
    EXPECT_EQ(Record(40).substr(10, 10), "120  50   ");
    DragGrip(30, 10);
    EXPECT_EQ(note->form().bounds(), (Rect{80, 80, 150, 60}));
}

TEST_F(NoteMoveResize, ResizeMovesOnlyWithTheLeftButtonAlone) {
    platform.press(*note->ButResize, kLeftButton, 0, 5, 5);
    platform.moveMouse(*note->ButResize, kLeftButton | kRightButton, 0, 55, 55);
    EXPECT_EQ(note->form().bounds(), (Rect{80, 80, 166, 127}));
    platform.release(*note->ButResize, kLeftButton, 0, 55, 55);
}

TEST_F(NoteMoveResize, AWindowTallerThanTheOldSixteenBitLimitResizesFromItsRealHeight) {
    note->form().resize(300, 2500);  // 37500 twips
    DragGrip(10, 20);
    EXPECT_EQ(note->form().bounds(), (Rect{80, 80, 310, 2520}));
    EXPECT_EQ(Record(40).substr(10, 10), "310  2520 ");
}

TEST_F(NoteMoveResize, LayoutKeepsTheMinimumButNotWhileRolledUp) {
    note->form().resize(60, 20);
    EXPECT_EQ(note->form().bounds(), (Rect{80, 80, 120, 50}));
    EXPECT_EQ(note->BorderBot->rect(), (Rect{0, 47, 120, 3}));
    EXPECT_EQ(note->BorderRight->rect(), (Rect{117, 16, 3, 31}));
    platform.doubleClick(*note->LabelTit);
    EXPECT_EQ(note->form().bounds().h, 15);
    EXPECT_EQ(note->BorderBot->rect(), (Rect{0, 47, 120, 3}));
}

TEST_F(NoteMoveResize, PressOnTheTitleSwitchesTranslucency) {
    SetTranslucent(true);
    platform.click(*note->LabelTit, kRightButton);
    EXPECT_TRUE(note->form().layered());
    EXPECT_EQ(note->form().opacity(), 180);
    platform.click(*note->LabelTit, kLeftButton);
    EXPECT_EQ(note->form().opacity(), 255);
    EXPECT_TRUE(note->form().layered());
}

}  // namespace
