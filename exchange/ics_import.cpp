#include "exchange/ics_import.h"

#include <algorithm>
#include <map>
#include <optional>
#include <tuple>

#include "alarm/alarm_rules.h"
#include "app/datafiles.h"
#include "diary/calendar.h"
#include "diary/year_range.h"
#include "exchange/code_page.h"

namespace exchange {

namespace {

// A text with no line breaks or other control characters, single-spaced at its ends.
std::string OneLine(const std::string& text) {
    std::string line;
    for (const char c : text) line += static_cast<unsigned char>(c) < 0x20 || c == 0x7F ? ' ' : c;
    return alarms::TrimSpaces(line);
}

std::string TimeText(const platform::DateTime& start) {
    const std::string minutes = std::to_string(start.minute);
    return std::to_string(start.hour) + ":" + (minutes.size() < 2 ? "0" : "") + minutes;
}

// The text `add` joined to `now`: `now` alone when it holds `add` already, nothing when the two
// do not fit into `limit` characters.
std::optional<std::string> Joined(const std::string& now, const std::string& add, std::size_t limit) {
    if (now.find(add) != std::string::npos) return now;
    std::string joined = now.empty() ? add : now + kAddedTextJoin + add;
    if (joined.size() > limit) return std::nullopt;
    return joined;
}

// Which day of the year a yearly rule names: the start's date, or 29 February for "the last day
// of February". Nothing for a rule the recurring notes cannot hold.
std::optional<std::pair<int, int>> YearlyDate(const CalendarEvent& event) {
    std::map<std::string, std::string> parts;
    std::size_t at = 0;
    while (at <= event.rule.size()) {
        std::size_t end = event.rule.find(';', at);
        if (end == std::string::npos) end = event.rule.size();
        const std::string part = event.rule.substr(at, end - at);
        const std::size_t equals = part.find('=');
        if (equals != std::string::npos) parts[part.substr(0, equals)] = part.substr(equals + 1);
        at = end + 1;
    }
    const auto part = [&](const std::string& name) {
        const auto found = parts.find(name);
        return found == parts.end() ? std::string() : found->second;
    };
    if (part("FREQ") != "YEARLY") return std::nullopt;
    const std::string month = std::to_string(event.start.month);
    const bool lastOfFebruary = part("BYMONTH") == "2" && part("BYMONTHDAY") == "-1";
    for (const auto& [name, value] : parts) {
        const bool fits = name == "FREQ" || name == "COUNT" || name == "UNTIL" || name == "WKST" ||
                          (name == "INTERVAL" && value == "1") || (name == "BYMONTH" && value == month) ||
                          (name == "BYMONTHDAY" && value == std::to_string(event.start.day)) || lastOfFebruary;
        if (!fits) return std::nullopt;
    }
    if (lastOfFebruary) return std::pair{2, 29};
    return std::pair{event.start.month, event.start.day};
}

std::string CellCode(const std::string& cell) {
    std::string code = cell.substr(0, std::min(cell.size(), app::kDiaryCodeLength));
    code.resize(app::kDiaryCodeLength, '#');
    return code;
}

std::string EventCode(const CalendarEvent& event) {
    if (!event.bold && event.colour == '#') return {};
    return std::string(1, event.bold ? 'B' : '#') + event.colour + "###";
}

// The line or note after the texts were added; the texts that did not fit come back in `left`.
std::string Added(const PlannedChange& change, const std::string& now, std::vector<std::string>* left) {
    std::string text = change.note ? now : app::DiaryText(now);
    const std::size_t limit = change.note ? app::kReminderLength : app::kDiaryTextLength;
    for (const auto& add : change.texts) {
        if (const auto joined = Joined(text, add, limit)) {
            text = *joined;
        } else if (left) {
            left->push_back(add);
        }
    }
    if (change.note) return text;
    if (!app::HasDiaryLine(now) && !change.code.empty()) return change.code + text;
    return CellCode(now) + text;
}

using Key = std::tuple<bool, int, int, int>;  // note, year, month, day: notes after the lines

}  // namespace

bool PlannedChange::clash() const {
    return note ? !before.empty() : app::HasDiaryLine(before);
}

ImportPlan PlanImport(const ReadEvents& read, const CellsOfYear& cellsOf, const app::DayTable& reminders) {
    ImportPlan plan;
    plan.unreadable = read.unreadable;
    std::map<int, app::DayTable> years;
    std::map<Key, PlannedChange> changes;
    for (const auto& event : read.events) {
        if (event.cancelled) {
            ++plan.cancelled;
            continue;
        }
        const AnsiText summary = Utf8ToAnsi(OneLine(event.summary));
        if (summary.text.empty()) {
            ++plan.withoutText;
            continue;
        }
        std::string text = summary.text;
        if (event.timed && !alarms::HasBracketedTime(text, TimeText(event.start))) {
            text = "[" + TimeText(event.start) + "] " + text;
        }
        PlannedChange change;
        if (!event.rule.empty()) {
            const auto date = YearlyDate(event);
            if (!date) {
                ++plan.otherRepeats;
                continue;
            }
            change.note = true;
            change.month = date->first;
            change.day = date->second;
            change.before = reminders(change.month, change.day);
        } else {
            if (event.start.year < app::kFirstYear || event.start.year > app::kLastYear) {
                ++plan.outsideYears;
                continue;
            }
            change.year = event.start.year;
            change.month = event.start.month;
            change.day = event.start.day;
            if (!years.contains(change.year)) years[change.year] = cellsOf(change.year);
            change.before = years[change.year](change.month, change.day);
            change.code = EventCode(event);
        }
        const Key key{change.note, change.year, change.month, change.day};
        auto& planned = changes.try_emplace(key, change).first->second;
        const std::string now = planned.texts.empty() ? planned.before : planned.after;
        std::vector<std::string> left;
        PlannedChange one = planned;
        one.texts = {text};
        const std::string after = Added(one, now, &left);
        if (!left.empty()) {
            const std::string date = change.note ? app::DayMonth(change.month, change.day)
                                                 : app::DayMonthYear({change.year, change.month, change.day});
            plan.notFitting.push_back(date + ": " + text);
        } else if (after == now) {
            ++plan.alreadyThere;
        } else {
            plan.replaced += summary.replaced;
            ++plan.added;
            planned.texts.push_back(text);
            planned.after = after;
        }
    }
    for (auto& [key, change] : changes) {
        if (!change.texts.empty()) plan.changes.push_back(std::move(change));
    }
    return plan;
}

app::DayTable CellsOf(platform::FileSystem& files, const app::SharedValues& values, int year) {
    if (year == values.CurYear) return values.Diary;
    app::SharedValues other;
    other.DataPath = values.DataPath;
    other.CurYear = year;
    app::LoadYear(files, other);
    return other.Diary;
}

app::SaveReport ApplyImport(platform::FileSystem& files, app::SharedValues& values, const ImportPlan& plan,
                            const platform::DateTime& today) {
    app::SaveReport report;
    std::map<int, std::vector<const PlannedChange*>> otherYears;
    for (const auto& change : plan.changes) {
        if (change.note) {
            values.Reminders(change.month, change.day) =
                Added(change, values.Reminders(change.month, change.day), nullptr);
            values.RemindersDirty = true;
        } else if (change.year == values.CurYear) {
            values.Diary(change.month, change.day) = Added(change, values.Diary(change.month, change.day), nullptr);
            values.DiaryDirty = true;
        } else {
            otherYears[change.year].push_back(&change);
        }
    }
    for (const auto& [year, changes] : otherYears) {
        // Another year: its own table, loaded and saved as navigation would, beside the shown one.
        app::SharedValues other;
        other.DataPath = values.DataPath;
        other.CurYear = year;
        other.LinesLastSeen = values.LinesLastSeen;
        app::LoadYear(files, other);
        for (const PlannedChange* change : changes) {
            other.Diary(change->month, change->day) = Added(*change, other.Diary(change->month, change->day), nullptr);
        }
        other.DiaryDirty = true;
        auto saved = app::SaveDiary(files, other, today);
        const std::string path = values.Path(app::YearFile(year));
        if (other.LinesLastSeen.contains(path)) values.LinesLastSeen[path] = other.LinesLastSeen[path];
        report.failures.insert(report.failures.end(), saved.failures.begin(), saved.failures.end());
        report.clashes.insert(report.clashes.end(), saved.clashes.begin(), saved.clashes.end());
    }
    auto saved = app::SaveDiary(files, values, today);
    report.failures.insert(report.failures.end(), saved.failures.begin(), saved.failures.end());
    report.clashes.insert(report.clashes.end(), saved.clashes.begin(), saved.clashes.end());
    return report;
}

std::vector<std::string> PreviewLines(const ImportPlan& plan) {
    std::vector<std::string> lines;
    int newLines = 0;
    int newNotes = 0;
    int clashes = 0;
    for (const auto& change : plan.changes) {
        if (change.clash()) {
            ++clashes;
        } else {
            ++(change.note ? newNotes : newLines);
        }
    }
    lines.push_back("New diary lines: " + std::to_string(newLines) + "; new recurring notes: " +
                    std::to_string(newNotes) + "; added after a text already there: " + std::to_string(clashes) + ".");
    const auto count = [&](int n, const std::string& what) {
        if (n > 0) lines.push_back(std::to_string(n) + " " + what);
    };
    count(plan.alreadyThere, "text(s) already there, not added again.");
    count(static_cast<int>(plan.notFitting.size()), "text(s) too long for their line, left out (listed below).");
    count(plan.replaced, "character(s) the calendar's code page cannot hold, written as \"?\".");
    count(plan.outsideYears, "event(s) dated outside the years 100 to 9999, left out.");
    count(plan.otherRepeats, "event(s) repeating otherwise than once a year on one date, left out.");
    count(plan.cancelled, "cancelled event(s), left out.");
    count(plan.withoutText, "event(s) without a text, left out.");
    count(plan.unreadable, "event(s) without a date the calendar can read, left out.");
    for (const auto& change : plan.changes) {
        const std::string date = change.note ? "every " + app::DayMonth(change.month, change.day)
                                             : app::DayMonthYear({change.year, change.month, change.day});
        const std::string now = change.note ? change.before : app::DiaryText(change.before);
        std::string added;
        for (const auto& text : change.texts) added += (added.empty() ? "" : kAddedTextJoin) + text;
        lines.push_back(date + (change.clash() ? "  after \"" + now + "\":  " : ":  ") + added);
    }
    for (const auto& text : plan.notFitting) lines.push_back("Left out: " + text);
    return lines;
}

}  // namespace exchange
