// Each monitor its own DPI: a window that reaches a monitor of another DPI lays itself out as if it
// had been opened there, with its fonts and pictures; rows keep the line between them at any
// scale; desktop notes keep their pixels.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "alarm/alarm_dialog.h"
#include "app/main_window.h"
#include "notes/note_fixture.h"
#include "support/twips_windows.h"

namespace {

using platform::Control;
using platform::ControlKind;
using platform::Form;
using platform::Rect;
using testing_support::DpiProgram;
using testing_support::kTwipsWindows;
using testing_support::TwipsSize;
using testing_support::TwipsWindow;

const int kDpis[] = {96, 120, 144, 168, 192};

std::string Named(const Control& control) {
    return control.name() + " " + std::to_string(control.index());
}

// Where the system would put the window at `dpi`: the same corner, the size of its twips.
Rect Suggested(const Form& form, const TwipsWindow& window, int dpi) {
    const Rect size = TwipsSize(window, dpi);
    return {form.bounds().x, form.bounds().y, size.w, size.h};
}

bool Below(const Rect& upper, const Rect& lower) {
    return upper.y + upper.h < lower.y;
}

bool Across(const Rect& a, const Rect& b) {
    return a.x < b.x + b.w && b.x < a.x + a.w;
}

// Every element lies inside its window, or wholly below it (what the program hides there).
void ExpectInside(const Form& form) {
    for (const auto& control : form.controls()) {
        SCOPED_TRACE(Named(*control));
        const Rect r = control->rect();
        const bool below = r.y >= form.bounds().h;
        EXPECT_TRUE(below || (r.x >= 0 && r.y >= 0 && r.x + r.w <= form.bounds().w && r.y + r.h <= form.bounds().h));
    }
}

// Two elements one above the other with a gap between them at 96 DPI keep a gap: a row keeps the
// line that divides it from the next. Pictures keep the size they are drawn at and are left out.
void ExpectGapsKept(const Form& at96, const Form& scaled) {
    ASSERT_EQ(at96.controls().size(), scaled.controls().size());
    const auto& small = at96.controls();
    const auto& large = scaled.controls();
    for (std::size_t i = 0; i < small.size(); ++i) {
        for (std::size_t j = 0; j < small.size(); ++j) {
            const ControlKind kind = small[i]->kind();
            if (kind == ControlKind::Image || small[j]->kind() == ControlKind::Image) continue;
            if (kind == ControlKind::Line || small[j]->kind() == ControlKind::Line) continue;
            const Rect a = small[i]->rect();
            const Rect b = small[j]->rect();
            if (!Below(a, b) || !Across(a, b)) continue;
            EXPECT_TRUE(Below(large[i]->rect(), large[j]->rect())) << Named(*large[i]) << " meets " << Named(*large[j]);
        }
    }
}

class AtMonitorDpi : public ::testing::TestWithParam<int> {};

TEST_P(AtMonitorDpi, EveryWindowHasItsElementsInsideAndRowsApart) {
    DpiProgram at96(96);
    DpiProgram scaled(GetParam());
    ASSERT_TRUE(at96.started && scaled.started);
    for (const TwipsWindow& window : kTwipsWindows) {
        SCOPED_TRACE(window.name);
        const Form& form = window.form(*scaled.module);
        EXPECT_EQ(form.dpi(), GetParam());
        ExpectInside(form);
        ExpectGapsKept(window.form(*at96.module), form);
    }
}

// The DPI of the monitor a window opens on counts, not the system's.
TEST_P(AtMonitorDpi, AWindowOpenedOnAMonitorOfAnotherDpiIsLaidOutForIt) {
    DpiProgram system(96, GetParam());
    DpiProgram there(GetParam());
    ASSERT_TRUE(system.started && there.started);
    for (const TwipsWindow& window : kTwipsWindows) {
        SCOPED_TRACE(window.name);
        EXPECT_EQ(window.form(*system.module).dpi(), GetParam());
        const Form& opened = window.form(*system.module);
        const Form& expected = window.form(*there.module);
        EXPECT_EQ(opened.bounds().w, expected.bounds().w);
        EXPECT_EQ(opened.bounds().h, expected.bounds().h);
        ASSERT_EQ(opened.controls().size(), expected.controls().size());
        for (std::size_t i = 0; i < opened.controls().size(); ++i) {
            EXPECT_EQ(opened.controls()[i]->rect(), expected.controls()[i]->rect()) << Named(*opened.controls()[i]);
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Monitors, AtMonitorDpi, ::testing::ValuesIn(kDpis));

struct Move {
    int from;
    int to;
};

class MovedToAnotherMonitor : public ::testing::TestWithParam<Move> {};

// Dragged to a monitor of another DPI, a window is what it would be had it opened there: the same
// elements at the same places, its pictures drawn for them, its fonts as many points and so more
// (or fewer) pixels, at the place the system suggested.
TEST_P(MovedToAnotherMonitor, AWindowLooksAsIfItHadOpenedThere) {
    const Move move = GetParam();
    DpiProgram moved(move.from);
    DpiProgram there(move.to);
    ASSERT_TRUE(moved.started && there.started);
    for (const TwipsWindow& window : kTwipsWindows) {
        SCOPED_TRACE(window.name);
        Form& form = window.form(*moved.module);
        const Form& expected = window.form(*there.module);
        std::vector<int> fontPixelsBefore;
        for (const auto& control : form.controls()) {
            fontPixelsBefore.push_back(platform::FontPixelHeight(control->font(), form.dpi()));
        }
        form.move(300, 200);
        const Rect suggested = Suggested(form, window, move.to);
        moved.platform.changeDpi(form, move.to, suggested);

        EXPECT_EQ(form.dpi(), move.to);
        EXPECT_EQ(form.bounds(), suggested);
        ASSERT_EQ(form.controls().size(), expected.controls().size());
        for (std::size_t i = 0; i < form.controls().size(); ++i) {
            const Control& control = *form.controls()[i];
            SCOPED_TRACE(Named(control));
            EXPECT_EQ(control.rect(), expected.controls()[i]->rect());
            EXPECT_EQ(control.font(), expected.controls()[i]->font());
            const int fontPixels = platform::FontPixelHeight(control.font(), form.dpi());
            if (move.to > move.from) {
                EXPECT_GT(fontPixels, fontPixelsBefore[i]);
            } else {
                EXPECT_LT(fontPixels, fontPixelsBefore[i]);
            }
            if (control.kind() == ControlKind::Image && control.picture()) {
                EXPECT_EQ(control.picture()->width, control.rect().w);
                EXPECT_EQ(control.picture()->height, control.rect().h);
            }
        }
        ExpectInside(form);
    }
}

INSTANTIATE_TEST_SUITE_P(Monitors, MovedToAnotherMonitor,
                         ::testing::Values(Move{96, 120}, Move{96, 144}, Move{96, 192}, Move{144, 96}, Move{192, 120},
                                           Move{120, 168}));

// Back where it came from, a window is laid out as it was: nothing drifts with each move.
TEST(MonitorDpi, AWindowMovedThereAndBackIsAsItWas) {
    DpiProgram program(96);
    ASSERT_TRUE(program.started);
    for (const TwipsWindow& window : kTwipsWindows) {
        SCOPED_TRACE(window.name);
        Form& form = window.form(*program.module);
        std::vector<Rect> before;
        for (const auto& control : form.controls()) before.push_back(control->rect());
        const Rect home = form.bounds();
        program.platform.changeDpi(form, 120, Suggested(form, window, 120));
        program.platform.changeDpi(form, 168, Suggested(form, window, 168));
        program.platform.changeDpi(form, 96, home);
        for (std::size_t i = 0; i < form.controls().size(); ++i) {
            EXPECT_EQ(form.controls()[i]->rect(), before[i]) << Named(*form.controls()[i]);
        }
    }
}

// Whatever DPI a monitor reports, not only the usual steps of 25%, each day box and weekday box of
// the alarm dialog keeps a line of the window's blue above the next one.
TEST(MonitorDpi, EachAlarmBoxKeepsItsDividingLineAtAnyDpi) {
    DpiProgram program(96);
    ASSERT_TRUE(program.started);
    alarms::AlarmDialog& dialog = *program.module->AlarmDialog;
    Form& form = dialog.form();
    const TwipsWindow& window = kTwipsWindows[1];
    ASSERT_STREQ(window.name, "FrmAlarm");
    for (int dpi = 96; dpi <= 288; ++dpi) {
        SCOPED_TRACE(dpi);
        program.platform.changeDpi(form, dpi, Suggested(form, window, dpi));
        for (std::size_t day = 1; day < dialog.AlD.size() - 1; ++day) {
            EXPECT_TRUE(Below(dialog.AlD[day]->rect(), dialog.AlD[day + 1]->rect())) << "days " << day;
            EXPECT_EQ(dialog.LD[day]->rect().y, dialog.AlD[day]->rect().y);
        }
        for (std::size_t row = 1; row < dialog.AlW.size() - 1; ++row) {
            EXPECT_TRUE(Below(dialog.AlW[row]->rect(), dialog.AlW[row + 1]->rect())) << "weekdays " << row;
        }
        ExpectInside(form);
    }
}

// The calendar's marker of a recurring note is drawn for the new DPI too where a day shows it, and
// the note editor stays on its day's line.
TEST(MonitorDpi, TheCalendarsMarkersAndNoteEditorFollow) {
    DpiProgram program(96);
    ASSERT_TRUE(program.started);
    app::FrmDiar& diar = *program.module->Diar;
    program.module->Reminders(program.module->ShownMonth, 5) = "Birthday";
    diar.ShowMonth();
    program.platform.click(*diar.DenSv[9]);
    ASSERT_TRUE(diar.SviatkyEd->visible());

    Form& form = diar.form();
    program.platform.changeDpi(form, 144, Suggested(form, kTwipsWindows[0], 144));
    const Control& marker = *diar.DenSv[5];
    ASSERT_TRUE(marker.picture());
    EXPECT_EQ(marker.picture()->width, marker.rect().w);
    EXPECT_EQ(marker.picture()->height, marker.rect().h);
    EXPECT_FALSE(diar.DenSv[6]->picture());
    EXPECT_EQ(diar.SviatkyEd->rect().y, diar.DenSv[9]->rect().y);
    EXPECT_EQ(diar.SviatkyEd->rect().h, diar.DenSv[9]->rect().h);
    EXPECT_EQ(diar.SviatkyEd->rect().x, diar.DenLine[1]->rect().x);
}

class NoteOnAnotherMonitor : public testing_support::NoteTest {};

// A note stores pixels: on a monitor of another DPI it keeps its place, its size and its DPI.
TEST_F(NoteOnAnotherMonitor, KeepsItsStoredPixels) {
    StoreRecord(3, StoredNote(300, 200, 166, 127, "kept"));
    ASSERT_TRUE(Start());
    ASSERT_EQ(module->Notes.size(), 1u);
    Form& note = module->Notes.front()->form();
    const int dpi = note.dpi();
    platform.changeDpi(note, 144, {300, 200, 249, 190});
    EXPECT_EQ(note.bounds(), (Rect{300, 200, 166, 127}));
    EXPECT_EQ(note.dpi(), dpi);
}

}  // namespace
