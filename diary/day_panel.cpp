// The day panel: one row per day of the shown month, with the day's number and weekday, the
// marker of its recurring note and its diary line.
#include "app/artwork_main_window.h"
#include "app/main_window.h"
#include "diary/calendar.h"
#include "diary/day_tables.h"

namespace app {

using platform::ControlKind;

namespace {

constexpr int kRowHeight = 15;

int RowTop(int day) {
    return 52 + kRowHeight * (day - 1);
}

// Windows colour values, red in the low byte (0x00906050 is "&H00906050").
constexpr platform::ColorRef kOrdinaryDay = 0x00000000;
constexpr platform::ColorRef kSaturday = 0x00906050;
constexpr platform::ColorRef kSundayOrHoliday = 0x001020D0;
constexpr platform::ColorRef kSeparator = 0x00C0C0C0;
constexpr platform::ColorRef kSundaySeparator = 0x00203080;
constexpr platform::ColorRef kLineBack = 0x00E5FDFF;

constexpr int kSaturdayWeekday = 7;
constexpr int kSundayWeekday = 1;

}  // namespace

void FrmDiar::BuildDayPanel() {
    Titul = &layout_.Add(*form_, ControlKind::Label, "Titul", {153, 23, 221, 24});
    Titul->setAlignment(platform::Align::Center);
    Titul->setFont({"Tahoma", 14, true, 0});
    Titul->setForeColor(platform::rgb(0xB0, 0xEF, 0xFF));

    Riadok[0] = &form_->add(ControlKind::Line, "Riadok", 0, {});
    layout_.PlaceLine(*Riadok[0], 18, RowTop(1), 492, RowTop(1));
    Riadok[0]->setBorderColor(kSeparator);
    DenSv[0] = &layout_.Add(*form_, ControlKind::Image, "DenSv", 0, {57, 9300 / 15, 15, 15});
    layout_.Draw(*DenSv[0], [](double scale) { return art::ReminderMarkerPicture(scale); });
    DenSv[0]->setVisible(false);

    for (int d = 1; d <= 31; ++d) {
        const int top = RowTop(d);
        DenC[d] = &layout_.Add(*form_, ControlKind::Label, "DenC", d, {18, top + 1, 16, 13});
        DenC[d]->setAlignment(platform::Align::Right);
        DenN[d] = &layout_.Add(*form_, ControlKind::Label, "DenN", d, {39, top + 1, 20, 13});
        DenSv[d] = &layout_.Add(*form_, ControlKind::Image, "DenSv", d, {57, top, 15, 15});
        DenLine[d] = &layout_.Add(*form_, ControlKind::TextBox, "DenLine", d, {75, top + 1, 417, 13});
        DenLine[d]->setBackColor(kLineBack);
        DenLine[d]->setMaxLength(static_cast<int>(kDiaryTextLength));
        DenLine[d]->onKeyDown = [this, d](int key, int shift) { DayLineKey(d, key, shift); };
        DenLine[d]->onLostFocus = [this, d] { CommitDayLine(d); };
        Riadok[d] = &form_->add(ControlKind::Line, "Riadok", d, {});
        layout_.PlaceLine(*Riadok[d], 18, top + kRowHeight, 492, top + kRowHeight);
        Riadok[d]->setBorderColor(kSeparator);
        // Lies over the number and the weekday, so that it takes their mouse.
        MenuDni[d] = &layout_.Add(*form_, ControlKind::Image, "MenuDni", d, {18, top, 38, 16});
        MenuDni[d]->onMouseUp = [this, d](const platform::MouseEvent& e) { MenuDniUp(d, e); };
    }
    BuildReminderEditor();
}

void FrmDiar::ShowMonth() {
    auto& locale = module_.platform.locale();
    const int m = module_.ShownMonth;
    const int n = module_.DaysInMonth[static_cast<std::size_t>(m)];
    Titul->setCaption(locale.toUpper(locale.monthName(m) + " " + std::to_string(module_.CurYear)));
    for (int d = n + 1; d <= 31; ++d) EmptyRow(d);
    for (int d = 1; d <= n; ++d) PaintDay(d);
}

void FrmDiar::EmptyRow(int d) {
    MenuDni[d]->setTooltip("");
    MenuDni[d]->setBorder(false);
    DenC[d]->setCaption("");
    DenN[d]->setCaption("");
    Riadok[d]->setBorderColor(kSeparator);
    DenSv[d]->setPicture(nullptr);
    DenSv[d]->setTooltip("");
    DenLine[d]->setVisible(false);
}

void FrmDiar::PaintDay(int d) {
    auto& locale = module_.platform.locale();
    const int year = module_.CurYear;
    const int m = module_.ShownMonth;
    const auto today = module_.platform.now();
    MenuDni[d]->setBorder(year == today.year && m == today.month && d == today.day);

    const int weekday = Weekday(year, m, d);
    DenC[d]->setCaption(std::to_string(d));
    const std::string abbreviation = locale.weekdayAbbrev(weekday).substr(0, 2);
    DenN[d]->setCaption(abbreviation.empty() ? abbreviation
                                             : locale.toUpper(abbreviation.substr(0, 1)) + abbreviation.substr(1));

    platform::ColorRef dayColor = kOrdinaryDay;
    platform::ColorRef separator = kSeparator;
    if (weekday == kSaturdayWeekday) dayColor = kSaturday;
    if (weekday == kSundayWeekday) {
        dayColor = kSundayOrHoliday;
        separator = kSundaySeparator;
    }
    if (IsHoliday(module_.Names(m, d))) dayColor = kSundayOrHoliday;
    DenC[d]->setForeColor(dayColor);
    DenN[d]->setForeColor(dayColor);
    Riadok[d]->setBorderColor(separator);

    const std::string& note = module_.Reminders(m, d);
    DenSv[d]->setPicture(note.empty() ? nullptr : DenSv[0]->picture());
    DenSv[d]->setTooltip(note);
    MenuDni[d]->setTooltip(NameDayText(module_.Names(m, d)));

    const std::string& cell = module_.Diary(m, d);
    DenLine[d]->setBold(DiaryBold(cell));
    DenLine[d]->setForeColor(DiaryColor(cell));
    DenLine[d]->setText(DiaryText(cell));
    lineAsFilled_[d] = DenLine[d]->text();
    DenLine[d]->setVisible(true);
}

}  // namespace app
