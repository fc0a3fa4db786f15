// The recurring-note editor SviatkyEd: a click on a day's marker opens it over that day's line;
// Enter or leaving it writes the note into Reminders, Esc drops what was typed.
#include <algorithm>

#include "app/main_window.h"
#include "diary/day_tables.h"

namespace app {

namespace {

constexpr platform::ColorRef kEditorText = 0x00000040;        // "&H00000040": dark red
constexpr platform::ColorRef kEditorBackground = 0x00C0E0FF;  // "&H00C0E0FF": light yellow

}  // namespace

void FrmDiar::BuildReminderEditor() {
    // Added after the day lines so that it lies above.
    SviatkyEd = &form_->add(platform::ControlKind::TextBox, "SviatkyEd", {});
    PlaceReminderEditor(1);
    SviatkyEd->setMaxLength(static_cast<int>(kReminderLength));
    SviatkyEd->setForeColor(kEditorText);
    SviatkyEd->setBackColor(kEditorBackground);
    SviatkyEd->setBold(true);
    SviatkyEd->setVisible(false);
    SviatkyEd->onKeyPress = [this](int& character) { ReminderEditorKey(character); };
    SviatkyEd->onLostFocus = [this] { CommitReminderNote(); };
    for (int d = 1; d <= 31; ++d) {
        DenSv[d]->onMouseUp = [this, d](const platform::MouseEvent& e) { DenSvUp(d, e); };
    }
}

// As wide as the day lines and at their left edge, as high as the day's marker and beside it.
void FrmDiar::PlaceReminderEditor(int day) {
    const auto line = DenLine[1]->rect();
    const auto marker = DenSv[static_cast<std::size_t>(day)]->rect();
    SviatkyEd->setRect({line.x, marker.y, line.w, marker.h});
}

void FrmDiar::AfterDpiChange() {
    for (std::size_t d = 1; d <= 31; ++d) {
        if (DenSv[d]->picture()) DenSv[d]->setPicture(DenSv[0]->picture());
    }
    PlaceReminderEditor(std::max(NoteEditDay, 1));
}

void FrmDiar::DenSvUp(int day, const platform::MouseEvent& e) {
    if (day > module_.DaysInMonth[static_cast<std::size_t>(module_.ShownMonth)] || e.button != platform::kLeftButton) {
        return;
    }
    // The editor may be open for another day: what was typed there is kept before it moves.
    if (SviatkyEd->visible()) CommitReminderNote();
    NoteEditDay = day;
    PlaceReminderEditor(day);
    SviatkyEd->setText(module_.Reminders(module_.ShownMonth, day));
    noteAsFilled_ = SviatkyEd->text();
    SviatkyEd->select(static_cast<int>(noteAsFilled_.size()), 0);
    SviatkyEd->setVisible(true);
    SviatkyEd->setFocus();
}

void FrmDiar::ReminderEditorKey(int& character) {
    if (character == platform::kKeyEscape) {
        SviatkyEd->setText(module_.Reminders(module_.ShownMonth, NoteEditDay));
    } else if (character != platform::kKeyReturn) {
        return;
    }
    character = 0;
    CommitReminderNote();
    ParkFocus();
}

void FrmDiar::CommitReminderNote() {
    // Hiding the focused editor runs this once more as it loses the focus; that pass finds the
    // note already stored.
    SviatkyEd->setVisible(false);
    std::string& note = module_.Reminders(module_.ShownMonth, NoteEditDay);
    const std::string text = SviatkyEd->text();
    if (text == noteAsFilled_ || text == note) return;
    module_.RemindersDirty = true;
    note = text;
    noteAsFilled_ = text;
    // Only this day's marker changes; the rest of the panel is not repainted.
    DenSv[NoteEditDay]->setTooltip(text);
    DenSv[NoteEditDay]->setPicture(text.empty() ? Focus->picture() : DenSv[0]->picture());
}

}  // namespace app
