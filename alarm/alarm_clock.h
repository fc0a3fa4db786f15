// The alarm clock: the timer TAlarm on the main window looks every 15 seconds, whether the
// window is shown or hidden; it looks too when the system wakes up, when the system's clock is set,
// and once at start-up. At a new date it renews the day panel, the tray icon and the day
// message; then it rings what is due in this minute from today's diary line, today's yearly
// note and the weekday and day-of-month alarms.
//
// Missed alarms: the clock compares the wall clock with the last minute it looked at (kept in
// memory and in "\AlarmChecked", so that a new start knows it). Whatever fell due in between was
// missed, whatever the reason (sleep, the program not running, the clock set forward). A missed
// time does not ring; with the alarm dialog's options, the latest missed alarm at most LateMinutes
// late rings once with the time it was due, and the missed alarms are listed once in the quiet
// window FrmMissed. A clock set back misses nothing and rings no minute twice within a real minute.
#pragma once

#include <deque>
#include <memory>
#include <string>
#include <utility>

#include "alarm/missed_alarms.h"
#include "app/module.h"
#include "platform/form.h"

namespace alarms {

class MissedWindow;

// The sound of an alarm, in the data folder; without it alarms ring silently.
inline constexpr const char* kAlarmSoundFile = "\\Alarm.wav";
inline constexpr int kAlarmInterval = 15000;
// A clock set back by more than this is taken as the old time having been wrong: the minutes
// already looked at are forgotten, and missed alarms count again from the new time on.
inline constexpr long long kSetBackForgotten = kMinutesPerDay;
// The last minute looked at is written at least this often while the program runs (besides at
// every alarm, every missed alarm, every new date and the end of the program).
inline constexpr long long kCheckedWriteInterval = 60;

class AlarmClock {
public:
    // Puts TAlarm on the main window and starts it; follows the system's wake-ups and clock changes.
    explicit AlarmClock(app::Module& module);
    ~AlarmClock();
    AlarmClock(const AlarmClock&) = delete;
    AlarmClock& operator=(const AlarmClock&) = delete;

    // The start-up's look, after the day message: reads the last minute looked at from
    // "\AlarmChecked" and deals with what fell due since, then rings this minute.
    void Start();
    // One look: what TAlarm, a wake-up and a clock change do.
    void Look();

    // Shows MsgText in the message window and plays the alarm sound, once in a minute.
    void MsgAlarm();

    // Writes "\AlarmChecked" when the minute last looked at is not yet in it.
    void SaveChecked();

    // The quiet list of missed alarms, made at its first use.
    MissedWindow& missedWindow();
    bool hasMissedWindow() const { return static_cast<bool>(missed_); }

    platform::Timer* TAlarm = nullptr;
    // The minute of the last alarm shown ("d.m.yyyy h:mm").
    std::string LastAlarmMinute;
    // The latest minute the clock has looked at (MinuteNumber); the missed alarms are those due
    // after it and before the minute of the next look.
    long long CheckedMinute = 0;

private:
    void LookAt(const platform::DateTime& now, bool atStart);
    void ChangeDay(const platform::DateTime& today);
    // Deals with the alarms due after CheckedMinute and before `minute`; returns the late alarm's
    // message, if one rings.
    std::string DealWithMissed(long long minute);
    void ListMissed(MissedAlarms missed);

    app::Module& module_;
    // The date the clock last saw: a new date is noticed by this, whatever else changed the
    // main window's date label.
    std::string date_;
    bool started_ = false;
    long long savedMinute_ = -1;  // what "\AlarmChecked" holds, as far as this run knows (-1: nothing)
    long long writtenAt_ = 0;     // the minute of the last write, or of the start
    long long looks_ = 0;         // the looks of TAlarm so far: 4 of them are a real minute
    // The minutes rung in the last real minute (by the count of TAlarm's looks): none of them
    // rings again then, even when the clock is set back into it.
    std::deque<std::pair<std::string, long long>> recentRings_;
    std::unique_ptr<MissedWindow> missed_;
    platform::Notification::Subscription resumed_;
    platform::Notification::Subscription clockChanged_;
};

// Shows MsgText as an alarm; nothing happens before the clock is made.
void MsgAlarm(app::Module& module);

// The start-up's look of the clock (see AlarmClock::Start); nothing without the clock.
void LookAtStart(app::Module& module);

// Writes the last minute the clock looked at, as the program ends; nothing without the clock.
void SaveAlarmChecked(app::Module& module);

}  // namespace alarms
