#include "alarm/alarm_options.h"

#include "alarm/missed_alarms.h"
#include "app/datafiles.h"

namespace alarms {

namespace {

// A switch is on only when its line says 1 (spaces ignored).
int SwitchOf(const std::string& line) {
    return TrimSpaces(line) == "1" ? 1 : 0;
}

std::optional<long long> NumberOf(const std::string& line) {
    const std::string digits = TrimSpaces(line);
    if (digits.empty() || digits.size() > 9) return std::nullopt;
    for (const char c : digits) {
        if (c < '0' || c > '9') return std::nullopt;
    }
    return std::stoll(digits);
}

}  // namespace

std::vector<std::string> AlarmOptionLines(const app::SharedValues& values) {
    return {std::to_string(values.LateAlarm == 1 ? 1 : 0), std::to_string(ClampLateMinutes(values.LateMinutes)),
            std::to_string(values.ListMissed == 1 ? 1 : 0)};
}

void ApplyAlarmOptionLines(const std::vector<std::string>& lines, app::SharedValues& values) {
    const auto line = [&lines](std::size_t i) { return i < lines.size() ? lines[i] : std::string(); };
    values.LateAlarm = SwitchOf(line(0));
    const auto minutes = NumberOf(line(1));
    values.LateMinutes = minutes ? ClampLateMinutes(*minutes) : kLateMinutesDefault;
    values.ListMissed = SwitchOf(line(2));
}

void LoadAlarmOptions(platform::FileSystem& files, app::SharedValues& values) {
    const auto lines = app::FilePresent(files, values.Path(app::kAlarmOptionsFile))
                           ? app::ReadLines(files, values.Path(app::kAlarmOptionsFile))
                           : std::nullopt;
    ApplyAlarmOptionLines(lines.value_or(std::vector<std::string>{}), values);
}

platform::Status SaveAlarmOptions(platform::FileSystem& files, const app::SharedValues& values) {
    const std::string path = values.Path(app::kAlarmOptionsFile);
    const std::vector<std::string> lines = AlarmOptionLines(values);
    if (app::FilePresent(files, path)) {
        if (const auto bytes = files.readFile(path); bytes && *bytes == app::JoinLines(lines)) {
            return platform::Status::success();
        }
    } else if (!app::AnythingAt(files, path)) {
        app::SharedValues defaults;
        if (lines == AlarmOptionLines(defaults)) return platform::Status::success();
    }
    return app::WriteLines(files, path, lines);
}

std::optional<long long> ReadCheckedMinute(platform::FileSystem& files, const app::SharedValues& values) {
    const std::string path = values.Path(app::kAlarmCheckedFile);
    if (!app::FilePresent(files, path)) return std::nullopt;
    const auto lines = app::ReadLines(files, path);
    if (!lines || lines->empty()) return std::nullopt;
    return ParseMinuteText(TrimSpaces((*lines)[0]));
}

platform::Status WriteCheckedMinute(platform::FileSystem& files, const app::SharedValues& values, long long minute) {
    return app::WriteLines(files, values.Path(app::kAlarmCheckedFile), {MinuteText(minute)});
}

}  // namespace alarms
