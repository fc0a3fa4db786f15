// The alarm clock: the timer TAlarm on the main window looks every 15 seconds, whether the
// window is shown or hidden. At a new date it renews the day panel, the tray icon and the day
// message; then it rings what is due in this minute from today's diary line, today's yearly
// note and the weekday and day-of-month alarms.
#pragma once

#include <string>

#include "app/module.h"
#include "platform/form.h"

namespace alarms {

// The sound of an alarm, in the data folder; without it alarms ring silently.
inline constexpr const char* kAlarmSoundFile = "\\Alarm.wav";
inline constexpr int kAlarmInterval = 15000;

class AlarmClock {
public:
    // Puts TAlarm on the main window and starts it.
    explicit AlarmClock(app::Module& module);
    ~AlarmClock();
    AlarmClock(const AlarmClock&) = delete;
    AlarmClock& operator=(const AlarmClock&) = delete;

    // Shows MsgText in the message window and plays the alarm sound, once in a minute.
    void MsgAlarm();

    platform::Timer* TAlarm = nullptr;
    // The minute of the last alarm shown ("d.m.yyyy h:mm").
    std::string LastAlarmMinute;

private:
    void Tick();
    void ChangeDay(const platform::DateTime& today);

    app::Module& module_;
    // The date the clock last saw: a new date is noticed by this, whatever else changed the
    // main window's date label.
    std::string date_;
};

// Shows MsgText as an alarm; nothing happens before the clock is made.
void MsgAlarm(app::Module& module);

}  // namespace alarms
