#include "alarm/alarm_clock.h"

#include "alarm/alarm_rules.h"
#include "alarm/day_message.h"
#include "alarm/message_window.h"
#include "alarm/todays_entries.h"
#include "app/backup_schedule.h"
#include "app/main_window.h"
#include "app/outside_changes.h"
#include "app/tray_icon.h"
#include "diary/calendar.h"

namespace alarms {

AlarmClock::AlarmClock(app::Module& module) : module_(module), date_(app::DayMonthYear(module.platform.now())) {
    TAlarm = &module_.Diar->form().addTimer("TAlarm", kAlarmInterval);
    TAlarm->onTick = [this] { Tick(); };
    TAlarm->start();
}

AlarmClock::~AlarmClock() {
    TAlarm->stop();
    TAlarm->onTick = nullptr;
}

void AlarmClock::Tick() {
    const auto now = module_.platform.now();
    module_.MsgText.clear();
    if (app::DayMonthYear(now) != date_) ChangeDay(now);
    // What another computer wrote rings too.
    app::LookForOutsideChanges(module_);

    const TodaysEntries entries = EntriesOf(module_, now);
    const TodaysAlarmTexts texts{
        entries.diaryLine, entries.note,
        module_.WeekdayAlarms[static_cast<std::size_t>(WeekdayAlarmRow(now.year, now.month, now.day))],
        module_.DayAlarms[static_cast<std::size_t>(now.day)]};
    // The day message just shown, if any, rings as the first part of this minute's alarm.
    module_.MsgText = CollectAlarms(module_.MsgText, texts, ClockTime(now, module_.platform.locale().timeSeparator()));
    if (!module_.MsgText.empty()) MsgAlarm();
    // Last, so that the alarm of this minute rings before the files of a new date are copied.
    app::BackupIfDue(module_);
}

void AlarmClock::ChangeDay(const platform::DateTime& today) {
    date_ = app::DayMonthYear(today);
    app::FrmDiar& diar = *module_.Diar;
    diar.LabToday->setCaption(date_);
    // A line being typed into commits before the panel is painted again.
    diar.ParkFocus();
    module_.platform.doEvents();
    diar.ShowMonth();
    // The shell shows a new picture and tip only for an icon added anew.
    app::TrayIconRemove(module_);
    Sprava(module_);
    app::TrayIconAdd(module_);
}

void AlarmClock::MsgAlarm() {
    const std::string minute = MinuteOf(module_.platform.now(), module_.platform.locale().timeSeparator());
    if (minute == LastAlarmMinute) return;
    LastAlarmMinute = minute;
    if (module_.Message) module_.Message->Present();
    if (module_.AlarmSound == 1) module_.platform.playSound(module_.Path(kAlarmSoundFile));
}

void MsgAlarm(app::Module& module) {
    if (module.Clock) module.Clock->MsgAlarm();
}

}  // namespace alarms
