// Moving the calendar: month and year steps, a month picked in the year view, and back to today.
// Every move first parks the focus so that a line being typed reaches the month it belongs to;
// a move to another year first saves the shown one and stays there when it cannot.
#include "app/artwork_main_window.h"
#include "app/main_window.h"
#include "diary/calendar.h"
#include "diary/day_tables.h"
#include "diary/year_range.h"

namespace app {

using platform::ControlKind;
using platform::MouseEvent;

namespace {

// Images act on the release of the left button only.
std::function<void(const MouseEvent&)> OnLeftRelease(std::function<void()> action) {
    return [action = std::move(action)](const MouseEvent& e) {
        if (e.button == platform::kLeftButton) action();
    };
}

}  // namespace

void FrmDiar::BuildNavigation() {
    DiBack = &layout_.Add(*form_, ControlKind::Image, "DiBack", {454, 21, 15, 27});
    layout_.Draw(*DiBack, [](double scale) { return art::MonthArrowPicture(false, scale); });
    DiNext = &layout_.Add(*form_, ControlKind::Image, "DiNext", {476, 21, 15, 27});
    layout_.Draw(*DiNext, [](double scale) { return art::MonthArrowPicture(true, scale); });
    Minus = &layout_.Add(*form_, ControlKind::Image, "Minus", {551, 101, 43, 26});
    layout_.Draw(*Minus, [](double scale) { return art::YearStepPicture(false, scale); });
    Plus = &layout_.Add(*form_, ControlKind::Image, "Plus", {688, 101, 43, 26});
    layout_.Draw(*Plus, [](double scale) { return art::YearStepPicture(true, scale); });
    ButToday = &layout_.Add(*form_, ControlKind::Image, "ButToday", {656, 500, 111, 30});
    for (Control* image : {DiBack, DiNext, Minus, Plus, ButToday}) image->setCursor(platform::Cursor::Hand);
    BuildYearEditor();

    DiBack->onMouseUp = OnLeftRelease([this] { StepMonth(-1); });
    DiNext->onMouseUp = OnLeftRelease([this] { StepMonth(+1); });
    Minus->onMouseUp = OnLeftRelease([this] { StepYear(-1); });
    Plus->onMouseUp = OnLeftRelease([this] { StepYear(+1); });
    ButToday->onMouseUp = OnLeftRelease([this] { ReportSave(ShowToday()); });
    for (int m = 1; m <= 12; ++m) MesiacClick[m]->onMouseUp = OnLeftRelease([this, m] { PickMonth(m); });
}

void FrmDiar::StepMonth(int delta) {
    CommitEdits();
    const int month = module_.ShownMonth + delta;
    if (month >= 1 && month <= 12) {
        module_.ShownMonth = month;
        ShowMonth();
        return;
    }
    // Over New Year: back into December of the year before, on into January of the next.
    const int year = module_.CurYear + delta;
    if (year < kFirstYear || year > kLastYear) return;
    ReportSave(ReloadYear(year, delta < 0 ? 12 : 1));
}

void FrmDiar::StepYear(int delta) {
    CommitEdits();
    const int year = module_.CurYear + delta;
    if (year < kFirstYear || year > kLastYear) return;
    ReportSave(ReloadYear(year, 1));
}

void FrmDiar::PickMonth(int month) {
    CommitEdits();
    module_.ShownMonth = month;
    ShowMonth();
}

SaveReport FrmDiar::ReloadYear(int year, int month) {
    auto report = SaveDiary(module_.platform.files(), module_, module_.platform.now());
    // Reloading would drop the lines that could not be written: stay in their year, with what the
    // save merged into the tables shown.
    if (module_.DiaryDirty) {
        PaintTables();
        return report;
    }
    module_.CurYear = year;
    module_.ShownMonth = month;
    ShowYear();
    return report;
}

SaveReport FrmDiar::ShowDayLine(int year, int month, int day) {
    CommitEdits();
    SaveReport report;
    if (year != module_.CurYear) {
        report = ReloadYear(year, month);
        if (year != module_.CurYear) return report;
    } else if (month != module_.ShownMonth) {
        module_.ShownMonth = month;
        ShowMonth();
    }
    form_->show();
    form_->bringToFront();
    DenLine[day]->setFocus();
    return report;
}

SaveReport FrmDiar::ShowToday() {
    CommitEdits();
    const auto today = module_.platform.now();
    if (today.year == module_.CurYear && today.month == module_.ShownMonth) return {};
    LabToday->setCaption(DayMonthYear(today));
    auto report = ReloadYear(today.year, today.month);
    // Lines that could not be saved keep their year; inside it, today's month can still be shown.
    if (module_.DiaryDirty && today.year == module_.CurYear) {
        module_.ShownMonth = today.month;
        ShowMonth();
    }
    return report;
}

}  // namespace app
