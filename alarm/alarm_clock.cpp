#include "alarm/alarm_clock.h"

#include <algorithm>

#include "alarm/alarm_options.h"
#include "alarm/alarm_rules.h"
#include "alarm/day_message.h"
#include "alarm/message_window.h"
#include "alarm/missed_window.h"
#include "alarm/todays_entries.h"
#include "app/backup_schedule.h"
#include "app/main_window.h"
#include "app/outside_changes.h"
#include "app/tray_icon.h"
#include "diary/calendar.h"

namespace alarms {

namespace {

constexpr long long kLooksPerRealMinute = 60000 / kAlarmInterval;
// A minute's message, then the late alarm's after an empty line.
constexpr const char* kPartBreak = "\r\n\r\n";

}  // namespace

AlarmClock::AlarmClock(app::Module& module) : module_(module), date_(app::DayMonthYear(module.platform.now())) {
    CheckedMinute = MinuteNumber(module.platform.now());
    TAlarm = &module_.Diar->form().addTimer("TAlarm", kAlarmInterval);
    TAlarm->onTick = [this] {
        ++looks_;
        Look();
    };
    TAlarm->start();
    resumed_ = module_.platform.onResume.add([this] {
        // A sleeping computer's sync client may have brought much; all of it is looked at, not
        // only the files whose stamps changed.
        app::PickUpOutsideChanges(module_);
        Look();
    });
    clockChanged_ = module_.platform.onClockChanged.add([this] { Look(); });
}

AlarmClock::~AlarmClock() {
    TAlarm->stop();
    TAlarm->onTick = nullptr;
}

MissedWindow& AlarmClock::missedWindow() {
    if (!missed_) missed_ = std::make_unique<MissedWindow>(module_);
    return *missed_;
}

void AlarmClock::Start() {
    const auto now = module_.platform.now();
    const long long minute = MinuteNumber(now);
    const auto saved = ReadCheckedMinute(module_.platform.files(), module_);
    savedMinute_ = saved.value_or(-1);
    writtenAt_ = minute;
    // Without the file (a first start, or one of an older version) nothing counts as missed.
    CheckedMinute = saved.value_or(minute);
    // A run that ended in this very minute has rung its alarms.
    if (saved && *saved == minute) LastAlarmMinute = MinuteOf(now, module_.platform.locale().timeSeparator());
    started_ = true;
    LookAt(now, true);
}

void AlarmClock::Look() {
    if (!started_) return;
    const auto now = module_.platform.now();
    module_.MsgText.clear();
    LookAt(now, false);
    // Last, so that the alarm of this minute rings before the files of a new date are copied.
    app::BackupIfDue(module_);
}

void AlarmClock::LookAt(const platform::DateTime& now, bool atStart) {
    bool newDate = false;
    if (!atStart) {
        if (app::DayMonthYear(now) != date_) {
            ChangeDay(now);
            newDate = true;
        }
        // What another computer wrote rings too.
        app::LookForOutsideChanges(module_);
    }
    const long long minute = MinuteNumber(now);
    std::string late;
    bool dealt = false;
    if (minute > CheckedMinute) {
        if (minute - CheckedMinute > 1) {
            late = DealWithMissed(minute);
            dealt = true;
        }
        CheckedMinute = minute;
    } else if (CheckedMinute - minute > kSetBackForgotten) {
        CheckedMinute = minute;
        dealt = true;
    }

    const TodaysEntries entries = EntriesOf(module_, now);
    const TodaysAlarmTexts texts{
        entries.diaryLine, entries.note,
        module_.WeekdayAlarms[static_cast<std::size_t>(WeekdayAlarmRow(now.year, now.month, now.day))],
        module_.DayAlarms[static_cast<std::size_t>(now.day)]};
    const std::string time = ClockTime(now, module_.platform.locale().timeSeparator());
    // The day message just shown, if any, rings as the first part of this minute's alarm; at a
    // new date it rings on its own, but the start's day message only comes up.
    const bool due = !late.empty() || !CollectAlarms({}, texts, time).empty();
    module_.MsgText = CollectAlarms(module_.MsgText, texts, time);
    if (!late.empty()) module_.MsgText = module_.MsgText.empty() ? late : module_.MsgText + kPartBreak + late;
    if (!module_.MsgText.empty() && (due || !atStart)) MsgAlarm();
    if (dealt || newDate || CheckedMinute - writtenAt_ >= kCheckedWriteInterval) SaveChecked();
}

std::string AlarmClock::DealWithMissed(long long minute) {
    const std::string separator = module_.platform.locale().timeSeparator();
    AlarmTextsOfDates textsOf(module_);
    // A minute holds at most one alarm of each of the four sources: room for the late ones.
    constexpr std::size_t kLateRoom = 4;
    MissedAlarms missed =
        FindMissed(CheckedMinute, minute, std::ref(textsOf), separator, kMissedListLength + kLateRoom);
    std::string late;
    if (module_.LateAlarm == 1) {
        const auto ringing = LateAlarms(missed.latest, minute, ClampLateMinutes(module_.LateMinutes));
        late = LateAlarmText(ringing, minute, separator);
        // The late alarm rings instead of being listed.
        missed.latest.resize(missed.latest.size() - ringing.size());
    }
    if (missed.latest.size() > kMissedListLength) {
        const std::size_t over = missed.latest.size() - kMissedListLength;
        missed.latest.erase(missed.latest.begin(), missed.latest.begin() + static_cast<std::ptrdiff_t>(over));
        missed.earlier += static_cast<long long>(over);
    }
    if (module_.ListMissed == 1 && (!missed.latest.empty() || missed.earlier > 0)) ListMissed(std::move(missed));
    return late;
}

void AlarmClock::ListMissed(MissedAlarms missed) {
    missedWindow().Add(std::move(missed));
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
    while (!recentRings_.empty() && looks_ - recentRings_.front().second >= kLooksPerRealMinute) {
        recentRings_.pop_front();
    }
    if (std::any_of(recentRings_.begin(), recentRings_.end(),
                    [&minute](const auto& ring) { return ring.first == minute; })) {
        return;
    }
    LastAlarmMinute = minute;
    recentRings_.emplace_back(minute, looks_);
    if (module_.Message) module_.Message->Present();
    if (module_.AlarmSound == 1) module_.platform.playSound(module_.Path(kAlarmSoundFile));
    if (started_) SaveChecked();
}

void AlarmClock::SaveChecked() {
    if (CheckedMinute == savedMinute_) return;
    // One that cannot be written is tried again at the next alarm, date or hour.
    writtenAt_ = CheckedMinute;
    if (WriteCheckedMinute(module_.platform.files(), module_, CheckedMinute)) savedMinute_ = CheckedMinute;
}

void MsgAlarm(app::Module& module) {
    if (module.Clock) module.Clock->MsgAlarm();
}

void LookAtStart(app::Module& module) {
    if (module.Clock) module.Clock->Start();
}

void SaveAlarmChecked(app::Module& module) {
    if (module.Clock) module.Clock->SaveChecked();
}

}  // namespace alarms
