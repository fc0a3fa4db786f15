// A program prepared with day entries and started at a chosen moment, with helpers that let the
// alarm clock look and read what it rang.
#pragma once

#include <map>
#include <string>
#include <utility>

#include "alarm/alarm_clock.h"
#include "alarm/message_window.h"
#include "app/main_window.h"
#include "support/app_fixture.h"

namespace testing_support {

class ClockTest : public AppTest {
public:
    using Date = std::pair<int, int>;  // month, day

protected:
    // The 366-line files and a year file, holding the given entries and first-run lines elsewhere.
    void PutNames(const std::map<Date, std::string>& entries);
    void PutReminders(const std::map<Date, std::string>& entries);
    void PutYear(int year, const std::map<Date, std::string>& lines);

    // Lets the clock run for whole ticks of 15 seconds.
    void Ticks(int count) { platform.advance(count * alarms::kAlarmInterval); }

    alarms::MessageWindow& message() { return *module->Message; }
    bool messageShown() { return message().form().visible(); }
    int rings() const { return static_cast<int>(platform.soundsPlayed.size()); }
    app::FrmDiar& diar() { return *module->Diar; }
};

}  // namespace testing_support
