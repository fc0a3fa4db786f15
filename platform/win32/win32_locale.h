// Month and weekday names, the first day of the week, the time separator and upper case, as the
// user's Windows locale has them.
#pragma once

#include "platform/platform.h"

namespace platform::win32 {

class Win32Locale : public Locale {
public:
    std::string monthName(int month) override;
    std::string weekdayAbbrev(int weekday) override;
    int firstDayOfWeek() override;
    std::string timeSeparator() override;
    std::string toUpper(const std::string& text) override;
};

}  // namespace platform::win32
