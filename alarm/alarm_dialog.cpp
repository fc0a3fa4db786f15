#include "alarm/alarm_dialog.h"

#include "alarm/alarm_artwork.h"
#include "alarm/alarm_options.h"
#include "alarm/alarm_settings.h"
#include "alarm/missed_alarms.h"
#include "app/artwork_main_window.h"
#include "app/conflict_file.h"
#include "app/data_file_names.h"
#include "app/main_window.h"
#include "app/window_look.h"

namespace alarms {

using app::kSkyText;
using app::kWindowBlue;
using app::TitleFont;
using platform::ControlKind;
using platform::Cursor;
using platform::rgb;

namespace {

constexpr platform::ColorRef kLineBack = 0x00E5FDFF;
constexpr platform::ColorRef kTitleLight = 0x00FFEFB0;
constexpr platform::ColorRef kTitleShadow = 0x00603900;

constexpr int kDialogWidthTwips = 7890;
constexpr int kDialogHeightTwips = 7950;

constexpr int kFirstRowTop = 50;
constexpr int kDayRowHeight = 15;
constexpr int kWeekdayRowHeight = 22;
constexpr int kDayColumnLeft = 12;
constexpr int kWeekdayColumnLeft = 272;

constexpr int kCtrlA = 1;

// Row i of the weekday column is Monday for i = 1 and Sunday for i = 7; the locale counts its
// weekdays from Sunday.
int LocaleWeekday(int row) {
    return row % kWeekdays + 1;
}

std::string Listed(const std::string& path, const std::string& why) {
    return path + "\r\n" + why;
}

}  // namespace

AlarmDialog::AlarmDialog(app::Module& module)
    : module_(module), layout_(module.platform.screen(), kDialogWidthTwips, kDialogHeightTwips) {
    PutButtonOnMainWindow();
}

platform::Form& AlarmDialog::form() {
    if (!form_) Build();
    return *form_;
}

void AlarmDialog::Build() {
    form_ = module_.platform.createForm("FrmAlarm", "Alarm");
    layout_.FollowDpi(*form_);
    form_->setBackColor(kWindowBlue);
    BuildTitle();
    BuildDayRows();
    BuildWeekdayRows();
    BuildMissedOptions();
    BuildButtons();
    form_->onActivate = [this] { Activate(); };
    // Alt+F4 is the close image's way out: the edits since the last save go.
    form_->onCloseRequest = [this] { Exit(); };
    ShowSound();
    ShowMissedOptions();
}

AlarmDialog::~AlarmDialog() {
    ButAlarm->onClick = nullptr;
}

void AlarmDialog::BuildTitle() {
    const int width = layout_.width();
    AlarmTitSH = &layout_.Add(*form_, ControlKind::Label, "AlarmTitSH", {3, 6, width - 6, 27});
    AlarmTitSH->setForeColor(kTitleShadow);
    AlarmTitSH->setCaption("ALARM");
    AlarmTitSH->setFont(TitleFont(16));
    AlarmTitSH->setAlignment(platform::Align::Center);
    AlarmTit = &layout_.Add(*form_, ControlKind::Label, "AlarmTit", {0, 4, width - 6, 27});
    AlarmTit->setForeColor(kTitleLight);
    AlarmTit->setCaption("ALARM");
    AlarmTit->setFont(TitleFont(16));
    AlarmTit->setAlignment(platform::Align::Center);
}

void AlarmDialog::SelectAllOnCtrlA(Control& box) {
    box.onKeyPress = [&box](int& character) {
        if (character != kCtrlA) return;
        character = 0;
        box.select(0, static_cast<int>(box.text().size()));
    };
}

void AlarmDialog::BuildDayRows() {
    auto& heading = layout_.Add(*form_, ControlKind::Label, "LabDays", {kDayColumnLeft + 28, 33, 220, 15});
    heading.setCaption("Every month, on the day");
    heading.setForeColor(kSkyText);
    for (int day = 1; day <= kMonthDays; ++day) {
        const auto i = static_cast<std::size_t>(day);
        const int top = kFirstRowTop + kDayRowHeight * (day - 1);
        LD[i] = &layout_.Add(*form_, ControlKind::Label, "LD", day, {kDayColumnLeft, top, 22, 14});
        LD[i]->setCaption(std::to_string(day));
        LD[i]->setAlignment(platform::Align::Right);
        LD[i]->setForeColor(kSkyText);
        AlD[i] = &layout_.Add(*form_, ControlKind::TextBox, "AlD", day, {kDayColumnLeft + 28, top, 216, 14});
        AlD[i]->setBackColor(kLineBack);
        AlD[i]->setMaxLength(kDayAlarmLimit);
        AlD[i]->onChange = [this, i] { module_.DayAlarms[i] = AlD[i]->text(); };
        SelectAllOnCtrlA(*AlD[i]);
    }
}

void AlarmDialog::BuildWeekdayRows() {
    auto& heading = layout_.Add(*form_, ControlKind::Label, "LabWeek", {kWeekdayColumnLeft + 32, 33, 200, 15});
    heading.setCaption("Every week, on the weekday");
    heading.setForeColor(kSkyText);
    auto& locale = module_.platform.locale();
    for (int row = 1; row <= kWeekdays; ++row) {
        const auto i = static_cast<std::size_t>(row);
        const int top = kFirstRowTop + kWeekdayRowHeight * (row - 1);
        LW[i] = &layout_.Add(*form_, ControlKind::Label, "LW", row, {kWeekdayColumnLeft, top, 26, 14});
        LW[i]->setCaption(locale.toUpper(locale.weekdayAbbrev(LocaleWeekday(row)).substr(0, 2)));
        LW[i]->setAlignment(platform::Align::Right);
        LW[i]->setForeColor(kSkyText);
        AlW[i] = &layout_.Add(*form_, ControlKind::TextBox, "AlW", row, {kWeekdayColumnLeft + 32, top, 210, 14});
        AlW[i]->setBackColor(kLineBack);
        AlW[i]->onChange = [this, i] { module_.WeekdayAlarms[i] = AlW[i]->text(); };
        SelectAllOnCtrlA(*AlW[i]);
    }
    const int below = kFirstRowTop + kWeekdayRowHeight * kWeekdays + 8;
    auto& hint = layout_.Add(*form_, ControlKind::Label, "LabHint", {kWeekdayColumnLeft + 32, below, 210, 90});
    hint.setCaption(
        "Write times as hours and minutes, such as 7:30, several on a line: 7:30 12:00 18:45. "
        "A time rings at that minute while the program runs, with the text of its line.");
    hint.setForeColor(kSkyText);
}

void AlarmDialog::BuildMissedOptions() {
    const int left = kWeekdayColumnLeft + 32;
    const int top = 306;
    LabMissed = &layout_.Add(*form_, ControlKind::Label, "LabMissed", {left, top, 210, 28});
    LabMissed->setCaption("Times missed while the computer slept or the program was closed:");
    LabMissed->setForeColor(kSkyText);

    ChkLate = &layout_.Add(*form_, ControlKind::CheckBox, "ChkLate", {left, top + 32, 210, 17});
    ChkLate->setCaption("Ring a late alarm if at most");
    ChkLate->onClick = [this] { module_.LateAlarm = ChkLate->value() == 1 ? 1 : 0; };
    TxtLateMinutes = &layout_.Add(*form_, ControlKind::TextBox, "TxtLateMinutes", {left + 18, top + 52, 22, 14});
    TxtLateMinutes->setBackColor(kLineBack);
    TxtLateMinutes->setMaxLength(2);
    TxtLateMinutes->setAlignment(platform::Align::Right);
    TxtLateMinutes->setTooltip("1 to 60 minutes");
    // Digits only; a number counts as soon as it is typed, one above 60 as 60.
    TxtLateMinutes->onKeyPress = [](int& character) {
        const bool digit = character >= '0' && character <= '9';
        if (!digit && character != platform::kKeyBack) character = 0;
    };
    TxtLateMinutes->onChange = [this] {
        const std::string text = TxtLateMinutes->text();
        if (text.empty() || text.find_first_not_of("0123456789") != std::string::npos) return;
        const int minutes = std::stoi(text);
        if (minutes >= kLateMinutesLeast) module_.LateMinutes = ClampLateMinutes(minutes);
    };
    // Leaving the box shows the number that counts.
    TxtLateMinutes->onLostFocus = [this] { ShowMissedOptions(); };
    LabLateMinutes = &layout_.Add(*form_, ControlKind::Label, "LabLateMinutes", {left + 44, top + 52, 166, 14});
    LabLateMinutes->setCaption("minutes late (1 to 60)");
    LabLateMinutes->setForeColor(kSkyText);

    ChkList = &layout_.Add(*form_, ControlKind::CheckBox, "ChkList", {left, top + 74, 210, 17});
    ChkList->setCaption("List missed alarms");
    ChkList->onClick = [this] { module_.ListMissed = ChkList->value() == 1 ? 1 : 0; };
    for (Control* box : {ChkLate, ChkList}) {
        box->setBackColor(kWindowBlue);
        box->setForeColor(kSkyText);
    }
}

void AlarmDialog::BuildButtons() {
    const int w = layout_.width();
    const int h = layout_.height();
    ChkSound = &layout_.Add(*form_, ControlKind::CheckBox, "ChkSound", {kWeekdayColumnLeft + 32, h - 70, 100, 17});
    ChkSound->setCaption("Sound On");
    ChkSound->setBackColor(kWindowBlue);
    ChkSound->setForeColor(kSkyText);
    ChkSound->onClick = [this] { module_.AlarmSound = ChkSound->value(); };

    ButOK = &layout_.Add(*form_, ControlKind::Image, "ButOK",
                         {w - art::kOkWidth - 16, h - art::kOkHeight - 16, art::kOkWidth, art::kOkHeight});
    layout_.Draw(*ButOK, [](double scale) { return art::OkPicture(scale); });
    ButOK->setTooltip("Save the alarms");
    ButOK->onClick = [this] { OK(); };
    ButExit = &layout_.Add(*form_, ControlKind::Image, "ButExit", {w - 28, 8, 20, 20});
    layout_.Draw(*ButExit, [](double scale) { return app::art::ExitPicture(scale); });
    ButExit->setTooltip("Close without saving");
    ButExit->onClick = [this] { Exit(); };
    for (Control* button : {ButOK, ButExit}) button->setCursor(Cursor::Hand);
}

void AlarmDialog::PutButtonOnMainWindow() {
    platform::Form& diar = module_.Diar->form();
    app::TwipsLayout& onDiar = module_.Diar->layout();
    // Beside the year, under the web address: the pair of the button behind today's date.
    const platform::Rect place{656, 58, art::kAlarmButtonWidth, art::kAlarmButtonHeight};
    auto& picture = onDiar.Add(diar, ControlKind::Image, "ImgAlarm", place);
    onDiar.Draw(picture, [](double scale) { return art::AlarmButtonPicture(scale); });
    auto& caption = onDiar.Add(diar, ControlKind::Label, "LabAlarm", {place.x + 31, place.y + 6, 76, 17});
    caption.setCaption("Alarms");
    caption.setFont(TitleFont(10));
    caption.setForeColor(rgb(0xFF, 0xFF, 0xFF));
    caption.setAlignment(platform::Align::Center);
    ButAlarm = &onDiar.Add(diar, ControlKind::Image, "ButAlarm", place);
    ButAlarm->setCursor(Cursor::Hand);
    ButAlarm->setTooltip("Alarm times and sound");
    ButAlarm->onClick = [this] { Show(); };
}

void AlarmDialog::Show() {
    form().show();
    form_->bringToFront();
}

void AlarmDialog::ShowRow(bool weekday, int row) {
    form();
    Control* box = weekday ? AlW.at(static_cast<std::size_t>(row)) : AlD.at(static_cast<std::size_t>(row));
    // The activation that showing brings (now or a moment later) would put the focus on AlD(1).
    focusOnActivate_ = box;
    Show();
    box->setFocus();
}

void AlarmDialog::Activate() {
    app::PlaceOnScreen(*form_, module_.platform.screen());
    for (std::size_t day = 1; day <= kMonthDays; ++day) AlD[day]->setText(module_.DayAlarms[day]);
    for (std::size_t row = 1; row <= kWeekdays; ++row) AlW[row]->setText(module_.WeekdayAlarms[row]);
    ShowSound();
    ShowMissedOptions();
    Control* focus = focusOnActivate_ ? focusOnActivate_ : AlD[1];
    focusOnActivate_ = nullptr;
    focus->setFocus();
}

void AlarmDialog::ShowSound() {
    if (ChkSound) ChkSound->setValue(module_.AlarmSound);
}

void AlarmDialog::ShowMissedOptions() {
    if (!ChkLate) return;
    ChkLate->setValue(module_.LateAlarm == 1 ? 1 : 0);
    TxtLateMinutes->setText(std::to_string(ClampLateMinutes(module_.LateMinutes)));
    ChkList->setValue(module_.ListMissed == 1 ? 1 : 0);
}

void AlarmDialog::OK() {
    const AlarmSave save = SaveAlarms(module_.platform.files(), module_, module_.platform.now());
    if (!save.status) {
        // The edits stay in the dialog and in memory; hiding or ending the program tries again.
        module_.platform.showMessage(app::kProductName,
                                     "The alarms could not be saved:\r\n\r\n" +
                                         Listed(module_.Path(app::kAlarmFile), save.status.error) +
                                         "\r\n\r\nYour changes are kept; press OK to try again.",
                                     platform::MessageIcon::Stop);
        return;
    }
    if (const auto status = SaveAlarmOptions(module_.platform.files(), module_); !status) {
        module_.platform.showMessage(app::kProductName,
                                     "The options for missed alarms could not be saved:\r\n\r\n" +
                                         Listed(module_.Path(app::kAlarmOptionsFile), status.error) +
                                         "\r\n\r\nYour changes are kept; press OK to try again.",
                                     platform::MessageIcon::Stop);
        return;
    }
    form_->hide();
    if (!save.clashedRows.empty()) ReportClashes(save.clashedRows);
}

void AlarmDialog::ReportClashes(const std::vector<int>& rows) {
    platform::Locale& locale = module_.platform.locale();
    std::string names;
    for (const int row : rows) {
        if (!names.empty()) names += ", ";
        names +=
            row <= kMonthDays ? "day " + std::to_string(row) : locale.weekdayAbbrev(LocaleWeekday(row - kMonthDays));
    }
    module_.platform.showMessage(app::kProductName,
                                 "These alarms were also changed on another computer: " + names +
                                     ".\r\n\r\nBoth sets of times are kept, this computer's first; times too "
                                     "long to keep beside each other are in " +
                                     module_.Path(app::ConflictFile(module_.platform.now())) + ".",
                                 platform::MessageIcon::Information);
}

void AlarmDialog::Exit() {
    LoadAlarms(module_.platform.files(), module_);
    LoadAlarmOptions(module_.platform.files(), module_);
    ShowSound();
    ShowMissedOptions();
    form_->hide();
}

}  // namespace alarms
