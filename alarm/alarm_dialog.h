// The alarm dialog FrmAlarm: the day-of-month alarm times (rows 1 to 31), the weekday alarm
// times (Monday to Sunday), the sound switch and the two options for missed alarms ("Ring a late
// alarm if at most N minutes late", "List missed alarms"). The start-up puts only ButAlarm on the main
// window: the dialog's window and its 80-odd controls are made when first needed (the first
// press of ButAlarm), since making them held up the tray icon; from then on the window stays
// loaded and hidden, and is shown modeless by ButAlarm. Its edits reach Module at once,
// so the alarm clock rings a time from the moment it is typed; OK writes "\Alarm" and
// "\AlarmOptions", the close image reads them back.
#pragma once

#include <array>
#include <memory>
#include <vector>

#include "alarm/alarm_file.h"
#include "app/module.h"
#include "app/window_look.h"
#include "platform/form.h"

namespace alarms {

class AlarmDialog {
public:
    using Control = platform::Control;

    // Puts ButAlarm on the main window; the dialog's window waits until it is needed.
    explicit AlarmDialog(app::Module& module);
    ~AlarmDialog();
    AlarmDialog(const AlarmDialog&) = delete;
    AlarmDialog& operator=(const AlarmDialog&) = delete;

    // The dialog's window, made hidden at the first call.
    platform::Form& form();
    // True while the dialog is on screen (its boxes may hold edits not yet in Module).
    bool Shown() const { return form_ && form_->visible(); }

    // Shows the dialog modeless and brings it forward; the system then activates it.
    void Show();
    // Shows the dialog with the focus in a row's times: AlD(row) of a day of the month, or
    // AlW(row) of a weekday (1 Monday .. 7 Sunday).
    void ShowRow(bool weekday, int row);
    // Places the dialog, fills its boxes from Module and gives AlD(1) the focus, or the box that
    // ShowRow asked for.
    void Activate();
    // Shows Module::AlarmSound on ChkSound, once the window is made.
    void ShowSound();
    // Shows the options for missed alarms (LateAlarm, LateMinutes, ListMissed), once the window is made.
    void ShowMissedOptions();

    // On the main window: opens the dialog.
    Control* ButAlarm = nullptr;

    // The dialog's controls: null until form() has made the window.
    std::array<Control*, kMonthDays + 1> LD{};  // 1..31
    std::array<Control*, kMonthDays + 1> AlD{};
    std::array<Control*, kWeekdays + 1> LW{};  // 1 Monday .. 7 Sunday
    std::array<Control*, kWeekdays + 1> AlW{};
    Control* ChkSound = nullptr;  // "Sound On"
    // Missed alarms.
    Control* LabMissed = nullptr;
    Control* ChkLate = nullptr;         // "Ring a late alarm if at most"
    Control* TxtLateMinutes = nullptr;  // N: 1 .. 60
    Control* LabLateMinutes = nullptr;  // "minutes late"
    Control* ChkList = nullptr;         // "List missed alarms"
    Control* AlarmTit = nullptr;
    Control* AlarmTitSH = nullptr;
    Control* ButOK = nullptr;
    Control* ButExit = nullptr;

private:
    void Build();
    void BuildTitle();
    void BuildDayRows();
    void BuildWeekdayRows();
    void BuildButtons();
    void BuildMissedOptions();
    void PutButtonOnMainWindow();
    // Ctrl+A selects the whole box instead of typing a character.
    void SelectAllOnCtrlA(Control& box);

    void OK();
    // Says once which rows another computer changed too, after a save merged them.
    void ReportClashes(const std::vector<int>& rows);
    void Exit();

    app::Module& module_;
    app::TwipsLayout layout_;
    std::unique_ptr<platform::Form> form_;  // null until form() makes it
    Control* focusOnActivate_ = nullptr;    // ShowRow's box, for the activation that follows
};

}  // namespace alarms
