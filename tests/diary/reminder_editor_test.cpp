#include <gtest/gtest.h>

#include "support/shown_calendar.h"

namespace {

using testing_support::ShownCalendar;

class ReminderEditor : public ShownCalendar {
protected:
    void open(int day) { platform.click(marker(day)); }
    void enter() { platform.keyDown(noteEditor(), platform::kKeyReturn); }
};

TEST_F(ReminderEditor, OpensOverTheDaysLineWithItsNoteAndTheCaretAtTheEnd) {
    EXPECT_FALSE(noteEditor().visible());
    EXPECT_EQ(noteEditor().maxLength(), 256);
    // Bold dark red on light peach.
    EXPECT_TRUE(noteEditor().font().bold);
    EXPECT_EQ(noteEditor().foreColor(), platform::rgb(0x40, 0, 0));
    EXPECT_EQ(noteEditor().backColor(), platform::rgb(0xFF, 0xE0, 0xC0));
    open(24);
    ASSERT_TRUE(noteEditor().visible());
    EXPECT_TRUE(noteEditor().hasFocus());
    EXPECT_EQ(diar().NoteEditDay, 24);
    EXPECT_EQ(noteEditor().rect().y, marker(24).rect().y);
    EXPECT_EQ(noteEditor().rect().x, line(24).rect().x);
    EXPECT_EQ(noteEditor().rect().w, line(24).rect().w);
    EXPECT_EQ(noteEditor().text(), "Christmas Eve");
    EXPECT_EQ(noteEditor().selectionStart(), static_cast<int>(std::string("Christmas Eve").size()));
    EXPECT_EQ(noteEditor().selectionLength(), 0);
}

TEST_F(ReminderEditor, OpensOnlyWithTheLeftButtonWithinTheMonth) {
    platform.click(marker(24), platform::kRightButton);
    EXPECT_FALSE(noteEditor().visible()) << "the right button";
    showMonth(11);
    open(31);
    EXPECT_FALSE(noteEditor().visible()) << "past the end of a 30-day month";
}

TEST_F(ReminderEditor, AFirstNoteShowsTheMarkerAndTooltipAtOnceWithoutRepaintingThePanel) {
    // Changed behind the panel's back: only a repaint would show it.
    module->Reminders(12, 9) = "not painted";
    open(8);
    platform.type(noteEditor(), "Pay rent [9:00]");
    enter();
    EXPECT_FALSE(noteEditor().visible());
    EXPECT_EQ(module->Reminders(12, 8), "Pay rent [9:00]");
    EXPECT_TRUE(module->RemindersDirty);
    EXPECT_EQ(marker(8).tooltip(), "Pay rent [9:00]");
    ASSERT_NE(marker(8).picture(), nullptr);
    EXPECT_EQ(marker(8).picture(), marker(0).picture());
    EXPECT_EQ(marker(9).picture(), nullptr);
    EXPECT_EQ(marker(9).tooltip(), "");
}

TEST_F(ReminderEditor, EscDropsWhatWasTyped) {
    open(24);
    platform.type(noteEditor(), " and more");
    platform.keyDown(noteEditor(), platform::kKeyEscape);
    EXPECT_FALSE(noteEditor().visible());
    EXPECT_EQ(module->Reminders(12, 24), "Christmas Eve");
    EXPECT_EQ(noteEditor().text(), "Christmas Eve");
    EXPECT_FALSE(module->RemindersDirty);
}

TEST_F(ReminderEditor, ClearingANoteRemovesItsMarker) {
    open(24);
    clear(noteEditor());
    enter();
    EXPECT_EQ(module->Reminders(12, 24), "");
    EXPECT_TRUE(module->RemindersDirty);
    EXPECT_EQ(marker(24).picture(), diar().Focus->picture());
    EXPECT_EQ(marker(24).tooltip(), "");
}

TEST_F(ReminderEditor, LeavingWithTheTextUnchangedLeavesTheTableClean) {
    open(24);
    platform.type(noteEditor(), "!");
    platform.keyDown(noteEditor(), platform::kKeyBack);
    diar().ParkFocus();
    EXPECT_FALSE(noteEditor().visible());
    EXPECT_FALSE(module->RemindersDirty);
}

TEST_F(ReminderEditor, AnotherDaysMarkerKeepsWhatWasTypedBeforeTheEditorMoves) {
    open(2);
    platform.type(noteEditor(), "Birthday");
    open(24);
    EXPECT_EQ(module->Reminders(12, 2), "Birthday");
    EXPECT_EQ(marker(2).tooltip(), "Birthday");
    EXPECT_TRUE(noteEditor().visible());
    EXPECT_EQ(diar().NoteEditDay, 24);
    EXPECT_EQ(noteEditor().rect().y, marker(24).rect().y);
    EXPECT_EQ(noteEditor().text(), "Christmas Eve");
}

TEST_F(ReminderEditor, LeavingForADayLineCommitsTheNoteThatHidingSaves) {
    open(31);
    platform.type(noteEditor(), "Fireworks");
    platform.focus(line(2));
    EXPECT_FALSE(noteEditor().visible());
    platform.click(*diar().Minimalizator);
    const auto lines = savedFile("\\Reminder");
    ASSERT_EQ(lines.size(), 366u);
    EXPECT_EQ(lines[ReminderLine(12, 31)], "Fireworks");
    EXPECT_EQ(lines[ReminderLine(12, 24)], "Christmas Eve");
    EXPECT_FALSE(module->RemindersDirty);
}

class LongReminder : public ShownCalendar {
protected:
    LongReminder() { reminderLines[ReminderLine(12, 6)] = longNote; }
    const std::string longNote = std::string(256, 'n') + " and the rest";
};

TEST_F(LongReminder, OpeningAndLeavingKeepsTheWholeNote) {
    platform.click(marker(6));
    platform.keyDown(noteEditor(), platform::kKeyReturn);
    EXPECT_EQ(module->Reminders(12, 6), longNote);
    EXPECT_FALSE(module->RemindersDirty);
}

}  // namespace
